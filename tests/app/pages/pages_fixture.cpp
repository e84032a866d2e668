#include "pages_fixture.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include "app/resources/graphics_resources.h"
#include "model/run_result.h"

namespace razudar::pagestest {

namespace {

void copyFolder(const QString& from, const QString& to) {
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(source));
        if (it.fileInfo().isDir()) QDir().mkpath(target);
        else QFile::copy(source, target);
    }
}

struct Athlete {
    const char* surname;
    const char* name;
    const char* nation;
};
const Athlete kAthletes[] = {
    {"Haugen", "Henrik", "NOR"}, {"Gruber", "Marco", "AUT"},    {"De Zordo", "Luca", "ITA"},
    {"Bühler", "Marco", "SUI"},       {"Lefèvre", "Clément", "FRA"},     {"Steinbacher", "Linus", "GER"},
    {"Kovač", "Žan", "SLO"},          {"Girard", "Alexis", "FRA"}, {"Valentini", "Alex", "ITA"},
    {"Zürcher", "Loïc", "SUI"},        {"Pichler", "Manuel", "AUT"},    {"Egger", "Stefan", "AUT"},
};

}  // namespace

void buildRace(clsKrono& k) {
    k.cGara.setDescrizioneGara(QStringLiteral("Trofeo delle Dolomiti - Alta Badia"));
    k.cGara.setDescrizioneSessione(QStringLiteral("Slalom Gigante - 1a Manche"));
    k.cGara.setDisciplinaCodice(QStringLiteral("SA"));
    k.cGara.setTipoFederazione(2);
    k.cGara.setRisoluzione(3);
    k.cGara.setManches(1);
    k.setMancheCorrente(1);
    auto men = std::make_shared<clsCategoria>();
    men->setCategoria(QStringLiteral("M"));
    men->setDescrizione(QStringLiteral("Maschile"));
    k.CategoriaAdd(men);
    for (int bib = 1; bib <= 12; ++bib) {
        const Athlete& a = kAthletes[bib - 1];
        auto c = std::make_shared<clsConcorrente>();
        const qint16 number = qint16(100 + bib);
        c->setConcorrente(number);
        c->setPettorale(qint16(bib));
        c->setPettoraleStampa(qint16(bib));
        c->setCognome(QString::fromUtf8(a.surname));
        c->setNome(QString::fromUtf8(a.name));
        c->setNazionalita(QString::fromLatin1(a.nation));
        c->setSocietaDescrizione(QStringLiteral(" Sci Club %1 ").arg(bib));
        if (bib % 2 == 1) c->CategoriaAdd(QStringLiteral("M"));
        k.ConcorrenteAdd(c, number);
        k.PartenteAggiungi(number);
        auto r = c->Risultati(1);
        r->setOrarioPartenza(100000000 + bib * 100000);
        // 1:50.000 + bib hundredths, packed hhmmssttt; bib 9 did not finish.
        r->setStatoConcorrente(bib == 9 ? 30 : 0);
        r->setTempo(bib == 9 ? 0 : 150000 + bib * 10);
    }
    k.ElaboraClassifiche();
}

void Pages::SetUp() {
    ASSERT_TRUE(dir.isValid());
    copyFolder(QStringLiteral(RAZUDAR_BINARY_DIR "/demo/Razudar"), graphics());
    control = std::make_unique<MirtGRA>();
    gra::GraEnvironment environment;
    environment.clock = &fakes.clock;
    environment.waiter = &fakes.waiter;
    environment.settings = &fakes.settings;
    environment.renderThread = false;
    control->useEnvironment(environment);
    QObject::connect(control.get(), &MirtGRA::RicevutoMessaggio, [this](const QString& m) { messages << m; });
    gra = std::make_unique<controls::GraficaProxy>(control.get(), [](const QString&) {});
    ASSERT_TRUE(gra->Inizializza());
    gra->setVGA(false);
    ASSERT_TRUE(CaricaRisorseGrafiche(state, *gra, fakes.prompter, dir.path() + QLatin1Char('/')));
    state.race.Krono = std::make_shared<clsKrono>();
    buildRace(state.krono());
    state.CategoriaSelezionata = QStringLiteral("XXXXX");
    ctx = std::make_unique<PageContext>(state, *gra, fakes.services(), host, host);
    ctx->codiceTipoTurno = [this](qint32 id) { return id == 1 ? turnType1 : id == 2 ? turnType2 : QString(); };
    ctx->testoLingua = [](const QString& field) {
        return field == QLatin1String("li_Partenti") ? QStringLiteral("PARTENTI") : QString();
    };
    pages = std::make_unique<MandaInOndaDispatcher>(*ctx);
    messages.clear();
}

void Pages::TearDown() {
    pages.reset();
    if (gra) gra->Chiude();
}

QString Pages::text(const QString& page, const QString& object) { return textProperty(page, object, 0).toString(); }

QVariant Pages::textProperty(const QString& page, const QString& object, int property) {
    return control->ProprietaTesto(page, object, property);
}

bool Pages::textVisible(const QString& page, const QString& object) { return textProperty(page, object, 4).toBool(); }

bool Pages::imageVisible(const QString& page, const QString& object) {
    return control->ProprietaImmagine(page, object, controls::ogImmagineProprietaVisibile).toBool();
}

QString Pages::imagePath(const QString& page, const QString& object) {
    return control->ProprietaImmagine(page, object, controls::ogImmagineProprietaPercorso).toString();
}

}  // namespace razudar::pagestest
