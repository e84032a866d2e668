#pragma once
// Runs an engine member from a widget's event. An error the engine lets through (a query that
// fails, a locked database) is shown to the operator instead of leaving the event loop.
#include <exception>

#include "data/database_access.h"
#include "tables/cls_tabella.h"

namespace razudar::tables {

template <typename F>
void guardedCall(clsTabella& engine, F&& call) {
    try {
        call();
    } catch (const db::DbError& e) {
        if (Prompter* p = engine.services().prompter) {
            p->show(databaseErrorText(e), PromptButtons::Ok, PromptIcon::Critical);
        }
    } catch (const std::exception& e) {
        if (Prompter* p = engine.services().prompter) {
            p->show(QString::fromLocal8Bit(e.what()), PromptButtons::Ok, PromptIcon::Critical);
        }
    }
}

}  // namespace razudar::tables
