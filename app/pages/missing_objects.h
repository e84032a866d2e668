#pragma once
// Objects a page lacks: a page file whose designer renamed or removed objects that a builder
// writes. The control refuses each such write and the page goes on air with what it has; the
// operator is told once per page build, on the status bar and in the log, which objects the
// page lacks: "Pagina TempoACorrere: mancano gli oggetti txtNominativo, txtRisultato".
//
// A build is one page code through the page dispatcher, a live message's update of the page on
// air among them. A page that stays on air tells again only when a build finds an object not
// yet told since the page was loaded: live messages that keep lacking the same objects do not
// repeat the notice in the log on every message.
//
// The notice tells what the page on air lacks, so it holds until the page on air changes: at the
// end of the build that changed it (or at once outside a build) the notice is taken down, unless
// that build told again (the same page loaded anew and still lacking, or another page lacking
// objects). A build that leaves the page on air proves nothing: an update writes only some of its
// objects, and a page file restored meanwhile is read when the page is loaded anew.
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace razudar {

struct PageContext;

class MissingObjects {
public:
    // One page build: the objects found missing are told when the outermost build ends.
    class Build {
    public:
        explicit Build(PageContext& ctx);
        ~Build();
        Build(const Build&) = delete;
        Build& operator=(const Build&) = delete;

    private:
        PageContext& ctx_;
    };

    // Writes to objects a page may lack by design, when `optional`: the rows or columns a builder
    // fills beyond those its page is drawn for (a page drawn with more shows them). A refusal
    // inside is not told.
    class Optional {
    public:
        Optional(PageContext& ctx, bool optional);
        ~Optional();
        Optional(const Optional&) = delete;
        Optional& operator=(const Optional&) = delete;

    private:
        PageContext& ctx_;
        bool optional_;
    };

    // The page on air changed (loaded, or the air cleared): what was told of it is forgotten, and
    // its notice ends with the build (see above).
    void pageChanged(PageContext& ctx);

private:
    friend void noteRefusedWrite(PageContext& ctx, const QString& page, const QStringList& objects);

    struct PageEntry {
        QString page;
        QStringList objects;  // in the order of their first refusal
    };

    bool collected(const QString& page, const QString& object) const;
    void collect(const QString& page, const QString& object);
    // Tells what was collected and starts afresh; with nothing to tell, takes down a notice the
    // page on air no longer bears out.
    void tell(PageContext& ctx);

    int depth_ = 0;
    int optionalDepth_ = 0;
    QList<PageEntry> collected_;
    // Per page (lower case), the objects (lower case) told since the page on air changed.
    QHash<QString, QSet<QString>> told_;
    // A notice of this object is on the status bar, and the page on air changed since it was told.
    bool noticeShown_ = false;
    bool pageChangedSinceTold_ = false;
};

// A write of the objects `objects` of page `page` that the control refused. On the page on air,
// the objects among them that the page lacks are collected for the build's notice (outside a
// build, told at once); a refusal on a page that is not on air, or for another reason (a value the
// control cannot use), is not the page's fault and is not told here.
void noteRefusedWrite(PageContext& ctx, const QString& page, const QStringList& objects);

}  // namespace razudar
