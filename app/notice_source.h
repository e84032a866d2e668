#pragma once
// Who put the status bar's notice up. A notice tells a fault that held when it was shown, and is
// taken down by its own source once that fault no longer holds; the end of one fault takes down
// no other source's notice:
//   Database        the database answers every statement of a later action (app/faults)
//   RaceState       a received race state is applied (app/link)
//   MissingObjects  the page on air changes: another page, the air cleared, or the same page
//                   loaded anew with every object its build writes (app/pages)
//   PageNotLoaded   the page that could not be loaded is loaded (app/pages)

namespace razudar {

enum class NoticeSource { Database, RaceState, MissingObjects, PageNotLoaded };

}  // namespace razudar
