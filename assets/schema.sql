-- Race database "Zez.mdb": an SQLite 3 file (read it with the sqlite3 tool).
--
-- Column types, as the database layer reports them to the program:
--   SMALLINT  16-bit whole number          INTEGER   32-bit whole number (also packed times
--   BOOLEAN   yes/no: -1 true, 0 false               hhmmssttt and colour values)
--   TEXT(n)   text of at most n characters  LONGTEXT  memo (long text)
--   DOUBLE    number with fractions         DATETIME  date and time as ISO text
--             "yyyy-MM-dd HH:mm:ss"
-- Texts compare without regard to letter case (COLLATE NOCASE), as the race data always did.
-- Every table keeps the field prefix of its kind (ga_ race, co_ competitor, ...).
--
-- Names that no reader spells out and that this schema had to choose are marked "(our name)".

PRAGMA foreign_keys = ON;

-- ---------------------------------------------------------------------------------------------
-- Program configuration: one row.
-- cf_Id (our name) is the row key.
CREATE TABLE Configurazione (
  cf_Id INTEGER PRIMARY KEY,
  cf_VersioneDatabase TEXT(10) COLLATE NOCASE,
  cf_VersioneProgramma TEXT(20) COLLATE NOCASE,
  cf_GaraAttiva SMALLINT,
  cf_GraficaServer TEXT(50) COLLATE NOCASE,
  cf_GraficaNazionalita SMALLINT DEFAULT 0,
  cf_GraficaNominativi SMALLINT DEFAULT 0,
  cf_GraficaRisultato SMALLINT DEFAULT 0,
  cf_GraficaOmettiNazionalita BOOLEAN DEFAULT 0,
  cf_GraficaUsaImmaginiNazionalita BOOLEAN DEFAULT 0
);

-- Results-monitor settings: one row. The colour columns come first, so a colour's index is its
-- column's position counted from 1 (mo_Colore1 is colour 1). mo_Id (the row key) is last.
CREATE TABLE Monitor (
  mo_Colore1 INTEGER,
  mo_Colore2 INTEGER,
  mo_Colore3 INTEGER,
  mo_Colore4 INTEGER,
  mo_Colore5 INTEGER,
  mo_Colore6 INTEGER,
  mo_Colore7 INTEGER,
  mo_Colore8 INTEGER,
  mo_Colore9 INTEGER,
  mo_Colore10 INTEGER,
  mo_Colore11 INTEGER,
  mo_Colore12 INTEGER,
  mo_Colore13 INTEGER,
  mo_Colore14 INTEGER,
  mo_Colore15 INTEGER,
  mo_Colore16 INTEGER,
  mo_Colore17 INTEGER,
  mo_Colore18 INTEGER,
  mo_Colore19 INTEGER,
  mo_Colore20 INTEGER,
  mo_FontName TEXT(50) COLLATE NOCASE,
  mo_FontSize DOUBLE,
  mo_FontBold BOOLEAN DEFAULT -1,
  mo_TimerMonitor SMALLINT DEFAULT 0,
  mo_TempoCorrere BOOLEAN DEFAULT 0,
  mo_Id INTEGER PRIMARY KEY
);

-- The two free-text pages: one row each. Gr_Id / gr_Id (our names) are the row keys.
CREATE TABLE TipiGraficaPaginePiene (
  Gr_Id INTEGER PRIMARY KEY,
  Gr_Testo1 TEXT(50) COLLATE NOCASE,
  Gr_Testo2 TEXT(50) COLLATE NOCASE,
  Gr_Testo3 TEXT(50) COLLATE NOCASE,
  Gr_Testo4 TEXT(50) COLLATE NOCASE,
  Gr_Testo5 TEXT(50) COLLATE NOCASE,
  Gr_Testo6 TEXT(50) COLLATE NOCASE,
  Gr_Testo7 TEXT(50) COLLATE NOCASE,
  Gr_Testo8 TEXT(50) COLLATE NOCASE,
  Gr_Testo9 TEXT(50) COLLATE NOCASE,
  Gr_Testo10 TEXT(50) COLLATE NOCASE,
  Gr_Testo11 TEXT(50) COLLATE NOCASE,
  Gr_Testo12 TEXT(50) COLLATE NOCASE,
  Gr_Testo13 TEXT(50) COLLATE NOCASE,
  Gr_Testo14 TEXT(50) COLLATE NOCASE,
  Gr_Testo15 TEXT(50) COLLATE NOCASE,
  Gr_Testo16 TEXT(50) COLLATE NOCASE,
  Gr_Testo17 TEXT(50) COLLATE NOCASE,
  Gr_Testo18 TEXT(50) COLLATE NOCASE,
  Gr_Testo19 TEXT(50) COLLATE NOCASE,
  Gr_Testo20 TEXT(50) COLLATE NOCASE,
  Gr_Testo21 TEXT(50) COLLATE NOCASE,
  Gr_Testo22 TEXT(50) COLLATE NOCASE,
  Gr_Testo23 TEXT(50) COLLATE NOCASE,
  Gr_Testo24 TEXT(50) COLLATE NOCASE
);

CREATE TABLE TipiGraficaPagineBasse (
  gr_Id INTEGER PRIMARY KEY,
  gr_Testo1 TEXT(50) COLLATE NOCASE,
  gr_Testo2 TEXT(50) COLLATE NOCASE,
  gr_Testo3 TEXT(50) COLLATE NOCASE,
  gr_Testo4 TEXT(50) COLLATE NOCASE,
  gr_Testo5 TEXT(50) COLLATE NOCASE,
  gr_Testo6 TEXT(50) COLLATE NOCASE,
  gr_Testo7 TEXT(50) COLLATE NOCASE,
  gr_Testo8 TEXT(50) COLLATE NOCASE,
  gr_Testo9 TEXT(50) COLLATE NOCASE,
  gr_Testo10 TEXT(50) COLLATE NOCASE,
  gr_Testo11 TEXT(50) COLLATE NOCASE,
  gr_Testo12 TEXT(50) COLLATE NOCASE,
  gr_Testo13 TEXT(50) COLLATE NOCASE,
  gr_Testo14 TEXT(50) COLLATE NOCASE,
  gr_Testo15 TEXT(50) COLLATE NOCASE,
  gr_Testo16 TEXT(50) COLLATE NOCASE,
  gr_Testo17 TEXT(50) COLLATE NOCASE,
  gr_Testo18 TEXT(50) COLLATE NOCASE,
  gr_Testo19 TEXT(50) COLLATE NOCASE,
  gr_Testo20 TEXT(50) COLLATE NOCASE,
  gr_Testo21 TEXT(50) COLLATE NOCASE,
  gr_Testo22 TEXT(50) COLLATE NOCASE,
  gr_Testo23 TEXT(50) COLLATE NOCASE,
  gr_Testo24 TEXT(50) COLLATE NOCASE,
  gr_Testo25 TEXT(50) COLLATE NOCASE,
  gr_Testo26 TEXT(50) COLLATE NOCASE,
  gr_Testo27 TEXT(50) COLLATE NOCASE,
  gr_Testo28 TEXT(50) COLLATE NOCASE,
  gr_Testo29 TEXT(50) COLLATE NOCASE,
  gr_Testo30 TEXT(50) COLLATE NOCASE,
  gr_Testo31 TEXT(50) COLLATE NOCASE,
  gr_Testo32 TEXT(50) COLLATE NOCASE
);

-- ---------------------------------------------------------------------------------------------
-- Lookups.

-- Race languages with the texts the pages and the state abbreviations use.
-- li_Descrizione (our name): the language's name.
CREATE TABLE Lingue (
  li_Lingua TEXT(5) COLLATE NOCASE PRIMARY KEY,
  li_Descrizione TEXT(50) COLLATE NOCASE,
  li_SiglaPartito TEXT(10) COLLATE NOCASE,
  li_SiglaNonArrivato TEXT(10) COLLATE NOCASE,
  li_SiglaNonPartito TEXT(10) COLLATE NOCASE,
  li_SiglaEscluso TEXT(10) COLLATE NOCASE,
  li_SiglaFTM TEXT(10) COLLATE NOCASE,
  li_Partenti TEXT(50) COLLATE NOCASE,
  li_VincitoreManche TEXT(50) COLLATE NOCASE,
  li_VincitoreSfida TEXT(50) COLLATE NOCASE
);

-- Disciplines (ds_Descrizione is our name).
CREATE TABLE Discipline (
  ds_Id INTEGER PRIMARY KEY,
  ds_Disciplina TEXT(5) COLLATE NOCASE NOT NULL UNIQUE,
  ds_Descrizione TEXT(50) COLLATE NOCASE
);

-- Specialities (sp_Descrizione is our name).
CREATE TABLE Specialita (
  sp_Id INTEGER PRIMARY KEY,
  sp_Specialita TEXT(5) COLLATE NOCASE NOT NULL UNIQUE,
  sp_Descrizione TEXT(50) COLLATE NOCASE
);

-- Turn types (tt_Descrizione is our name).
CREATE TABLE TipiTurni (
  tt_Id INTEGER PRIMARY KEY,
  tt_TipoTurno TEXT(5) COLLATE NOCASE NOT NULL UNIQUE,
  tt_Descrizione TEXT(50) COLLATE NOCASE
);

-- Session states (our table name; sn_StatoSessione is our name): the description shown beside
-- a session's state code (0 scheduled, 1 running, 2 finished, 3 cancelled).
CREATE TABLE StatiSessione (
  sn_StatoSessione SMALLINT PRIMARY KEY,
  sn_Descrizione TEXT(50) COLLATE NOCASE
);

-- Clubs (our table name; the readers name only ss_Descrizione). ss_Societa (our name) is the
-- club code that co_Societa holds.
CREATE TABLE Societa (
  ss_Societa TEXT(10) COLLATE NOCASE PRIMARY KEY,
  ss_Descrizione TEXT(100) COLLATE NOCASE
);

-- Types of timekeeping points (our table name). tp_Id (our name) is the type code of
-- pr_TipoPuntoRilevamento; tp_Ordine the point's slot 0..11 in the race record;
-- tp_NumeroIntermedio the intermediate's number (0 for points that are not numbered
-- intermediates).
CREATE TABLE TipiPuntiRilevamento (
  tp_Id INTEGER PRIMARY KEY,
  tp_Descrizione TEXT(50) COLLATE NOCASE,
  tp_Ordine SMALLINT,
  tp_NumeroIntermedio SMALLINT DEFAULT 0
);

-- ---------------------------------------------------------------------------------------------
-- Races and their data.

-- One row per race. ga_Data (our name) is the race date.
CREATE TABLE Gare (
  ga_Gara SMALLINT PRIMARY KEY,
  ga_Anno SMALLINT,
  ga_CodiceEquipe SMALLINT,
  ga_Descrizione TEXT(100) COLLATE NOCASE,
  ga_Data DATETIME,
  ga_TipoFederazione INTEGER,
  ga_Disciplina TEXT(5) COLLATE NOCASE,
  ga_Specialita TEXT(5) COLLATE NOCASE,
  ga_Allenamenti SMALLINT DEFAULT 0,
  ga_Frazionisti SMALLINT DEFAULT 0,
  ga_Risoluzione INTEGER DEFAULT 3,
  ga_Internet BOOLEAN DEFAULT 0,
  ga_Intranet BOOLEAN DEFAULT 0,
  ga_KO BOOLEAN DEFAULT 0,
  ga_Tabellone BOOLEAN DEFAULT 0,
  ga_Parallelo BOOLEAN DEFAULT 0,
  ga_QualificazioneParallela BOOLEAN DEFAULT 0,
  ga_Lingua TEXT(5) COLLATE NOCASE,
  ga_PagineMonitor SMALLINT DEFAULT 0,
  ga_NumeroDisceseTabellone SMALLINT,
  ga_Manches SMALLINT DEFAULT 1,
  ga_Intermedi SMALLINT DEFAULT 0
);

-- Timekeeping points of a race (our table name; the readers use the query QPuntiRilevamento).
-- pr_PuntoRilevamento (our name) numbers the points of a race; pr_Descrizione (our name).
CREATE TABLE PuntiRilevamento (
  pr_Gara SMALLINT NOT NULL REFERENCES Gare (ga_Gara) ON DELETE CASCADE,
  pr_PuntoRilevamento SMALLINT NOT NULL,
  pr_Descrizione TEXT(50) COLLATE NOCASE,
  pr_TipoPuntoRilevamento INTEGER,
  pr_Com SMALLINT,
  pr_BaudVelocita INTEGER,
  pr_Parita TEXT(1) COLLATE NOCASE,
  pr_BitDati SMALLINT,
  pr_BitStop SMALLINT,
  pr_TipoOrologio INTEGER,
  PRIMARY KEY (pr_Gara, pr_PuntoRilevamento)
);

-- Categories of a race, in their order (ca_Ordine).
CREATE TABLE Categorie (
  ca_Gara SMALLINT NOT NULL REFERENCES Gare (ga_Gara) ON DELETE CASCADE,
  ca_Categoria TEXT(5) COLLATE NOCASE NOT NULL,
  ca_Descrizione TEXT(50) COLLATE NOCASE,
  ca_Ordine SMALLINT DEFAULT 0,
  ca_SerieTiri SMALLINT DEFAULT 0,
  ca_PenalitaTiri SMALLINT DEFAULT 0,
  ca_DescrizioneSerieTiri TEXT(50) COLLATE NOCASE,
  PRIMARY KEY (ca_Gara, ca_Categoria)
);

-- Competitors of a race (our table name; the readers use the query QConcorrenti).
-- co_Concorrente is the competitor id, co_Pettorale the bib.
CREATE TABLE Concorrenti (
  co_Gara SMALLINT NOT NULL REFERENCES Gare (ga_Gara) ON DELETE CASCADE,
  co_Concorrente SMALLINT NOT NULL,
  co_Pettorale SMALLINT,
  co_PettoraleStampa SMALLINT,
  co_Cognome TEXT(50) COLLATE NOCASE,
  co_Nome TEXT(50) COLLATE NOCASE,
  co_Squadra TEXT(50) COLLATE NOCASE,
  co_Nazionalita TEXT(5) COLLATE NOCASE,
  co_Societa TEXT(10) COLLATE NOCASE,
  PRIMARY KEY (co_Gara, co_Concorrente)
);

-- Categories of each competitor (our table name and cc_ prefix; the readers use the queries
-- QConcorrentiCategorie and QConcorrentiCategorieCompleta).
CREATE TABLE ConcorrentiCategorie (
  cc_Gara SMALLINT NOT NULL,
  cc_Concorrente SMALLINT NOT NULL,
  cc_Categoria TEXT(5) COLLATE NOCASE NOT NULL,
  PRIMARY KEY (cc_Gara, cc_Concorrente, cc_Categoria),
  FOREIGN KEY (cc_Gara, cc_Concorrente) REFERENCES Concorrenti (co_Gara, co_Concorrente)
    ON DELETE CASCADE
);

-- Sessions: one run (manche) of one turn type of a race. se_StatoSessione is a code of
-- StatiSessione; se_TabelloneRound and se_TabelloneSfida are the round and heat of a parallel
-- session; se_Orario (scheduled start) is a date and time (its type is our choice).
CREATE TABLE Sessioni (
  se_Gara SMALLINT NOT NULL REFERENCES Gare (ga_Gara) ON DELETE CASCADE,
  se_TipoTurno TEXT(5) COLLATE NOCASE NOT NULL,
  se_Manche SMALLINT NOT NULL,
  se_Descrizione TEXT(100) COLLATE NOCASE,
  se_Orario DATETIME,
  se_StatoSessione SMALLINT DEFAULT 0,
  se_TabelloneRound SMALLINT,
  se_TabelloneSfida SMALLINT,
  PRIMARY KEY (se_Gara, se_TipoTurno, se_Manche)
);

-- Start order of a session: one row per start position; op_Concorrente is Null for an empty
-- position. op_OrarioPartenzaTeorico is the planned start time (packed hhmmssttt).
CREATE TABLE OrdinePartenza (
  op_Gara SMALLINT NOT NULL REFERENCES Gare (ga_Gara) ON DELETE CASCADE,
  op_TipoTurno TEXT(5) COLLATE NOCASE NOT NULL,
  op_Manche SMALLINT NOT NULL,
  op_OrdinePartenza SMALLINT NOT NULL,
  op_OrarioPartenzaTeorico INTEGER,
  op_Concorrente SMALLINT,
  PRIMARY KEY (op_Gara, op_TipoTurno, op_Manche, op_OrdinePartenza)
);

-- Heat pairs of a parallel session: competitors A and B of each heat.
CREATE TABLE TabelloneParallelo (
  tp_Gara SMALLINT NOT NULL REFERENCES Gare (ga_Gara) ON DELETE CASCADE,
  tp_TipoTurno TEXT(5) COLLATE NOCASE NOT NULL,
  tp_Manche SMALLINT NOT NULL,
  tp_Sfida SMALLINT NOT NULL,
  tp_ConcorrenteA SMALLINT,
  tp_ConcorrenteB SMALLINT,
  PRIMARY KEY (tp_Gara, tp_TipoTurno, tp_Manche, tp_Sfida)
);

-- Results of a session: one row per competitor and run. Times are packed hhmmssttt
-- (sc_OrarioPartenza, sc_OrarioArrivo: times of day; sc_Tempo: run time, 0 = none);
-- sc_StatoConcorrente is the competitor state code (0 arrived, 10 open, 20 on course, 30 did
-- not finish, 40 did not start, 60 disqualified). Rows of competitors that are not registered
-- are allowed: the loader skips them.
CREATE TABLE SessioniConcorrenti (
  sc_Gara SMALLINT NOT NULL REFERENCES Gare (ga_Gara) ON DELETE CASCADE,
  sc_TipoTurno TEXT(5) COLLATE NOCASE NOT NULL,
  sc_Manche SMALLINT NOT NULL,
  sc_Concorrente SMALLINT NOT NULL,
  sc_OrarioPartenza INTEGER DEFAULT 0,
  sc_OrarioArrivo INTEGER DEFAULT 0,
  sc_Tempo INTEGER DEFAULT 0,
  sc_StatoConcorrente INTEGER DEFAULT 10,
  PRIMARY KEY (sc_Gara, sc_TipoTurno, sc_Manche, sc_Concorrente)
);

-- Shooting penalties (our table name, after its query QSessioniConcorrentiPenalita; the
-- competitor column sp_Concorrente is our name): misses in shooting series 1 to 4 of a
-- competitor in a run.
CREATE TABLE SessioniConcorrentiPenalita (
  sp_Gara SMALLINT NOT NULL REFERENCES Gare (ga_Gara) ON DELETE CASCADE,
  sp_TipoTurno TEXT(5) COLLATE NOCASE NOT NULL,
  sp_Manche SMALLINT NOT NULL,
  sp_Concorrente SMALLINT NOT NULL,
  sp_PenalitaTiro1 SMALLINT DEFAULT 0,
  sp_PenalitaTiro2 SMALLINT DEFAULT 0,
  sp_PenalitaTiro3 SMALLINT DEFAULT 0,
  sp_PenalitaTiro4 SMALLINT DEFAULT 0,
  PRIMARY KEY (sp_Gara, sp_TipoTurno, sp_Manche, sp_Concorrente)
);

-- Intermediate times (our table name, after its query QSessioniConcorrentiIntermedi): time of
-- day (packed; 0 = none) of a competitor at intermediate point si_Intermedio in a run.
CREATE TABLE SessioniConcorrentiIntermedi (
  si_Gara SMALLINT NOT NULL REFERENCES Gare (ga_Gara) ON DELETE CASCADE,
  si_TipoTurno TEXT(5) COLLATE NOCASE NOT NULL,
  si_Manche SMALLINT NOT NULL,
  si_Concorrente SMALLINT NOT NULL,
  si_Intermedio SMALLINT NOT NULL,
  si_Orario INTEGER DEFAULT 0,
  PRIMARY KEY (si_Gara, si_TipoTurno, si_Manche, si_Concorrente, si_Intermedio)
);

-- Covering indexes for the race loader's two largest reads (results and intermediate times of a
-- session's runs): they hold every column those reads use, so the rows come from the index alone.
CREATE INDEX ix_SessioniConcorrenti_Lettura ON SessioniConcorrenti
  (sc_Gara, sc_TipoTurno, sc_Manche, sc_Concorrente, sc_OrarioPartenza, sc_OrarioArrivo,
   sc_Tempo, sc_StatoConcorrente);
CREATE INDEX ix_SessioniConcorrentiIntermedi_Lettura ON SessioniConcorrentiIntermedi
  (si_Gara, si_TipoTurno, si_Manche, si_Concorrente, si_Intermedio, si_Orario);

-- ---------------------------------------------------------------------------------------------
-- Stored queries (views with explicit column lists).

-- Races with the ids of their discipline and speciality.
CREATE VIEW QGare (
  ga_Gara, ga_Anno, ga_Descrizione, ga_Data, ga_Disciplina, ga_Specialita, ga_Lingua,
  ga_Parallelo, ga_Manches, ga_Intermedi, ga_NumeroDisceseTabellone,
  ds_Id, ds_Descrizione, sp_Id, sp_Descrizione
) AS
SELECT g.ga_Gara, g.ga_Anno, g.ga_Descrizione, g.ga_Data, g.ga_Disciplina, g.ga_Specialita,
       g.ga_Lingua, g.ga_Parallelo, g.ga_Manches, g.ga_Intermedi, g.ga_NumeroDisceseTabellone,
       d.ds_Id, d.ds_Descrizione, s.sp_Id, s.sp_Descrizione
  FROM Gare g
  LEFT JOIN Discipline d ON d.ds_Disciplina = g.ga_Disciplina
  LEFT JOIN Specialita s ON s.sp_Specialita = g.ga_Specialita;

-- Timekeeping points of a race with their type's slot, name and intermediate number.
CREATE VIEW QPuntiRilevamento (
  pr_Gara, pr_PuntoRilevamento, pr_Descrizione, pr_TipoPuntoRilevamento, pr_Com,
  pr_BaudVelocita, pr_Parita, pr_BitDati, pr_BitStop, pr_TipoOrologio,
  tp_Ordine, tp_Descrizione, tp_NumeroIntermedio
) AS
SELECT p.pr_Gara, p.pr_PuntoRilevamento, p.pr_Descrizione, p.pr_TipoPuntoRilevamento, p.pr_Com,
       p.pr_BaudVelocita, p.pr_Parita, p.pr_BitDati, p.pr_BitStop, p.pr_TipoOrologio,
       t.tp_Ordine, t.tp_Descrizione, t.tp_NumeroIntermedio
  FROM PuntiRilevamento p
  LEFT JOIN TipiPuntiRilevamento t ON t.tp_Id = p.pr_TipoPuntoRilevamento;

-- Competitors of a race with their club's name.
CREATE VIEW QConcorrenti (
  co_Gara, co_Concorrente, co_Pettorale, co_PettoraleStampa, co_Cognome, co_Nome, co_Squadra,
  co_Nazionalita, co_Societa, ss_Descrizione
) AS
SELECT c.co_Gara, c.co_Concorrente, c.co_Pettorale, c.co_PettoraleStampa, c.co_Cognome,
       c.co_Nome, c.co_Squadra, c.co_Nazionalita, c.co_Societa, s.ss_Descrizione
  FROM Concorrenti c
  LEFT JOIN Societa s ON s.ss_Societa = c.co_Societa;

-- Competitor-category pairs.
CREATE VIEW QConcorrentiCategorie (co_Gara, co_Concorrente, ca_Categoria) AS
SELECT cc.cc_Gara, cc.cc_Concorrente, cc.cc_Categoria
  FROM ConcorrentiCategorie cc;

-- Competitor-category pairs with the competitor's bib and names and the category's order and
-- description.
CREATE VIEW QConcorrentiCategorieCompleta (
  co_Gara, co_Concorrente, co_Pettorale, co_Cognome, co_Nome, ca_Categoria, ca_Descrizione,
  ca_Ordine
) AS
SELECT c.co_Gara, c.co_Concorrente, c.co_Pettorale, c.co_Cognome, c.co_Nome, cc.cc_Categoria,
       k.ca_Descrizione, k.ca_Ordine
  FROM Concorrenti c
  JOIN ConcorrentiCategorie cc
    ON cc.cc_Gara = c.co_Gara AND cc.cc_Concorrente = c.co_Concorrente
  LEFT JOIN Categorie k
    ON k.ca_Gara = cc.cc_Gara AND k.ca_Categoria = cc.cc_Categoria;

-- Sessions with their state's description and their turn type (record source of the session
-- selection window).
CREATE VIEW QSessioni (
  se_Gara, se_TipoTurno, se_Manche, se_Descrizione, se_Orario, se_StatoSessione,
  se_TabelloneRound, se_TabelloneSfida, sn_Descrizione, tt_Id, tt_Descrizione
) AS
SELECT s.se_Gara, s.se_TipoTurno, s.se_Manche, s.se_Descrizione, s.se_Orario,
       s.se_StatoSessione, s.se_TabelloneRound, s.se_TabelloneSfida, n.sn_Descrizione,
       t.tt_Id, t.tt_Descrizione
  FROM Sessioni s
  LEFT JOIN StatiSessione n ON n.sn_StatoSessione = s.se_StatoSessione
  LEFT JOIN TipiTurni t ON t.tt_TipoTurno = s.se_TipoTurno;

-- Sessions by race, turn type and run, described by their turn type: se_Descrizione here is
-- the turn type's description (the current turn's description), the other se_ fields are the
-- session's.
CREATE VIEW QTipiTurniMancheGara (
  se_Gara, se_TipoTurno, se_Manche, se_Descrizione, se_StatoSessione, se_TabelloneRound,
  se_TabelloneSfida, tt_Id
) AS
SELECT s.se_Gara, s.se_TipoTurno, s.se_Manche, t.tt_Descrizione, s.se_StatoSessione,
       s.se_TabelloneRound, s.se_TabelloneSfida, t.tt_Id
  FROM Sessioni s
  LEFT JOIN TipiTurni t ON t.tt_TipoTurno = s.se_TipoTurno;

-- Start order of a session with the bib of each start position and the session's heat.
CREATE VIEW QOrdinePartenza (
  op_Gara, op_TipoTurno, op_Manche, op_OrdinePartenza, op_OrarioPartenzaTeorico,
  op_Concorrente, co_Concorrente, co_Pettorale, co_Cognome, co_Nome, co_Nazionalita,
  se_TabelloneSfida
) AS
SELECT o.op_Gara, o.op_TipoTurno, o.op_Manche, o.op_OrdinePartenza, o.op_OrarioPartenzaTeorico,
       o.op_Concorrente, c.co_Concorrente, c.co_Pettorale, c.co_Cognome, c.co_Nome,
       c.co_Nazionalita, s.se_TabelloneSfida
  FROM OrdinePartenza o
  LEFT JOIN Concorrenti c ON c.co_Gara = o.op_Gara AND c.co_Concorrente = o.op_Concorrente
  LEFT JOIN Sessioni s
    ON s.se_Gara = o.op_Gara AND s.se_TipoTurno = o.op_TipoTurno AND s.se_Manche = o.op_Manche;

-- Heat pairs with the bibs of both lanes (co_PettoraleA, co_PettoraleB) and, for convenience,
-- their surnames (co_CognomeA, co_CognomeB: our names).
CREATE VIEW QTabelloneParallelo (
  tp_Gara, tp_TipoTurno, tp_Manche, tp_Sfida, tp_ConcorrenteA, tp_ConcorrenteB,
  co_PettoraleA, co_PettoraleB, co_CognomeA, co_CognomeB
) AS
SELECT t.tp_Gara, t.tp_TipoTurno, t.tp_Manche, t.tp_Sfida, t.tp_ConcorrenteA, t.tp_ConcorrenteB,
       a.co_Pettorale, b.co_Pettorale, a.co_Cognome, b.co_Cognome
  FROM TabelloneParallelo t
  LEFT JOIN Concorrenti a ON a.co_Gara = t.tp_Gara AND a.co_Concorrente = t.tp_ConcorrenteA
  LEFT JOIN Concorrenti b ON b.co_Gara = t.tp_Gara AND b.co_Concorrente = t.tp_ConcorrenteB;

-- Results of a session with the competitor's bib and names and the session's heat.
CREATE VIEW QSessioniConcorrenti (
  sc_Gara, sc_TipoTurno, sc_Manche, sc_Concorrente, sc_OrarioPartenza, sc_OrarioArrivo,
  sc_Tempo, sc_StatoConcorrente, co_Pettorale, co_Cognome, co_Nome, co_Nazionalita,
  se_TabelloneSfida
) AS
SELECT r.sc_Gara, r.sc_TipoTurno, r.sc_Manche, r.sc_Concorrente, r.sc_OrarioPartenza,
       r.sc_OrarioArrivo, r.sc_Tempo, r.sc_StatoConcorrente, c.co_Pettorale, c.co_Cognome,
       c.co_Nome, c.co_Nazionalita, s.se_TabelloneSfida
  FROM SessioniConcorrenti r
  LEFT JOIN Concorrenti c ON c.co_Gara = r.sc_Gara AND c.co_Concorrente = r.sc_Concorrente
  LEFT JOIN Sessioni s
    ON s.se_Gara = r.sc_Gara AND s.se_TipoTurno = r.sc_TipoTurno AND s.se_Manche = r.sc_Manche;

-- Shooting penalties with the competitor's bib; co_Concorrente is Null when the competitor is
-- not registered.
CREATE VIEW QSessioniConcorrentiPenalita (
  sp_Gara, sp_TipoTurno, sp_Manche, sp_Concorrente, sp_PenalitaTiro1, sp_PenalitaTiro2,
  sp_PenalitaTiro3, sp_PenalitaTiro4, co_Concorrente, co_Pettorale
) AS
SELECT p.sp_Gara, p.sp_TipoTurno, p.sp_Manche, p.sp_Concorrente, p.sp_PenalitaTiro1,
       p.sp_PenalitaTiro2, p.sp_PenalitaTiro3, p.sp_PenalitaTiro4, c.co_Concorrente,
       c.co_Pettorale
  FROM SessioniConcorrentiPenalita p
  LEFT JOIN Concorrenti c ON c.co_Gara = p.sp_Gara AND c.co_Concorrente = p.sp_Concorrente;

-- Intermediate times with the competitor's bib.
CREATE VIEW QSessioniConcorrentiIntermedi (
  si_Gara, si_TipoTurno, si_Manche, si_Concorrente, si_Intermedio, si_Orario, co_Pettorale
) AS
SELECT i.si_Gara, i.si_TipoTurno, i.si_Manche, i.si_Concorrente, i.si_Intermedio, i.si_Orario,
       c.co_Pettorale
  FROM SessioniConcorrentiIntermedi i
  LEFT JOIN Concorrenti c ON c.co_Gara = i.si_Gara AND c.co_Concorrente = i.si_Concorrente;

-- ---------------------------------------------------------------------------------------------
-- The one-row tables.

INSERT INTO Configurazione (cf_Id, cf_VersioneDatabase, cf_VersioneProgramma, cf_GaraAttiva,
  cf_GraficaServer, cf_GraficaNazionalita, cf_GraficaNominativi, cf_GraficaRisultato,
  cf_GraficaOmettiNazionalita, cf_GraficaUsaImmaginiNazionalita)
VALUES (1, '1.25', '', NULL, '', 0, 0, 0, 0, 0);

INSERT INTO Monitor (mo_Colore1, mo_Colore2, mo_Colore3, mo_Colore4, mo_Colore5, mo_Colore6, mo_Colore7, mo_Colore8, mo_Colore9, mo_Colore10, mo_Colore11, mo_Colore12, mo_Colore13, mo_Colore14, mo_Colore15, mo_Colore16, mo_Colore17, mo_Colore18, mo_Colore19, mo_Colore20,
  mo_FontName, mo_FontSize, mo_FontBold, mo_TimerMonitor, mo_TempoCorrere, mo_Id)
VALUES (16777215, 65535, 16776960, 65280, 12632256, 16777215, 65535, 16777215, 65535, 8421504, 255, 16744448, 16777215, 33023, 16711935, 8454143, 12648384, 16761024, 65535, 32768,
  'Arial', 18, -1, 10, 0, 1);

INSERT INTO TipiGraficaPaginePiene (Gr_Id) VALUES (1);
INSERT INTO TipiGraficaPagineBasse (gr_Id) VALUES (1);
