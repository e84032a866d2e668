#include "app/pages/missing_objects.h"

#include <utility>

#include "app/controls/grafica_proxy.h"
#include "app/pages/page_context.h"
#include "app/program_state.h"

namespace razudar {

namespace {

// Page and object names are the control's: case and surrounding blanks do not count.
QString key(const QString& name) { return name.trimmed().toLower(); }

QString notice(const QString& page, const QStringList& objects) {
    if (objects.size() == 1) return QStringLiteral("Pagina %1: manca l'oggetto %2").arg(page, objects.first());
    return QStringLiteral("Pagina %1: mancano gli oggetti %2").arg(page, objects.join(QStringLiteral(", ")));
}

}  // namespace

MissingObjects::Build::Build(PageContext& ctx) : ctx_(ctx) { ++ctx_.missingObjects.depth_; }

MissingObjects::Build::~Build() {
    if (--ctx_.missingObjects.depth_ == 0) ctx_.missingObjects.tell(ctx_);
}

MissingObjects::Optional::Optional(PageContext& ctx, bool optional) : ctx_(ctx), optional_(optional) {
    if (optional_) ++ctx_.missingObjects.optionalDepth_;
}

MissingObjects::Optional::~Optional() {
    if (optional_) --ctx_.missingObjects.optionalDepth_;
}

bool MissingObjects::collected(const QString& page, const QString& object) const {
    for (const PageEntry& e : collected_) {
        if (key(e.page) != key(page)) continue;
        for (const QString& o : e.objects)
            if (key(o) == key(object)) return true;
    }
    return false;
}

void MissingObjects::collect(const QString& page, const QString& object) {
    for (PageEntry& e : collected_) {
        if (key(e.page) == key(page)) {
            e.objects << object;
            return;
        }
    }
    collected_.append({page, {object}});
}

void MissingObjects::tell(PageContext& ctx) {
    const QList<PageEntry> entries = std::exchange(collected_, {});
    QStringList texts;
    for (const PageEntry& e : entries) {
        QSet<QString>& told = told_[key(e.page)];
        bool news = false;
        for (const QString& o : e.objects) news = !told.contains(key(o)) || news;
        if (!news) continue;
        for (const QString& o : e.objects) told.insert(key(o));
        const QString text = notice(e.page, e.objects);
        ctx.state.log.line(text);
        texts << text;
    }
    if (!texts.isEmpty()) {
        ctx.host.showNotice(texts.join(QStringLiteral("; ")), NoticeSource::MissingObjects);
        noticeShown_ = true;
        pageChangedSinceTold_ = false;
    } else if (noticeShown_ && pageChangedSinceTold_) {
        noticeShown_ = false;
        pageChangedSinceTold_ = false;
        ctx.host.withdrawNotice(NoticeSource::MissingObjects);
    }
}

void MissingObjects::pageChanged(PageContext& ctx) {
    told_.clear();
    if (!noticeShown_) return;
    pageChangedSinceTold_ = true;
    if (depth_ == 0) tell(ctx);
}

void noteRefusedWrite(PageContext& ctx, const QString& page, const QStringList& objects) {
    // Only the page on air can lack objects the operator would miss: writes to a page that is
    // not loaded are refused whatever it holds, and optional writes may find nothing.
    MissingObjects& m = ctx.missingObjects;
    if (m.optionalDepth_ > 0 || !ctx.state.PaginaInOnda.mostra(page)) return;
    for (const QString& object : objects) {
        if (m.collected(page, object) || ctx.gra.EsisteOggetto(page, object)) continue;
        m.collect(page, object);
    }
    if (m.depth_ == 0) m.tell(ctx);
}

}  // namespace razudar
