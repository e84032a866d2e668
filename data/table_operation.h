#pragma once
// The guarded record or transaction operation: every edit, update, add, delete and transaction
// step that may meet another user's lock goes through here.
#include <QtGlobal>

#include "platform/db/database.h"
#include "platform/services/services.h"

namespace razudar {

// Operation codes.
namespace operazione_tabella {
inline constexpr qint16 kEdit = 0;
inline constexpr qint16 kUpdate = 1;
inline constexpr qint16 kAddNew = 2;
inline constexpr qint16 kDelete = 3;
inline constexpr qint16 kCommitTrans = 4;
inline constexpr qint16 kBeginTrans = 5;
inline constexpr qint16 kCommitTransFlush = 6;
inline constexpr qint16 kRollback = 7;
inline constexpr qint16 kCancelUpdate = 8;
}  // namespace operazione_tabella

// Every caller-chosen error is ignored when the ignored error is this.
inline constexpr int kIgnoraTuttiGliErrori = 9999;
// Silent lock retries stop after this long; then the operator is asked as for other errors.
inline constexpr qint64 kLockRetryLimitMs = 10000;
inline constexpr int kLockRetryIntervalMs = 500;

// Performs `operation` on the record set (codes 0-3, 8) or the workspace (4-7); any other code
// does nothing and succeeds. On an engine error:
//  - a lock (3260, 3186, 3187, 3624) without `noWait`: wait 500 ms and retry, silently, for up
//    to 10 seconds; after that go on with the rules below;
//  - `ignoredError` (not 0) or any error with 9999: true, no message, errorOut untouched;
//  - 3022 (duplicate key) or 3043 (disk or network): errorOut = number, false, no message;
//  - otherwise errorOut = number and "Errore <n> <text>\r Riprovi ?" (Yes/No): Yes retries at
//    once, No gives false (a pending Edit or AddNew stays pending).
// Uses the prompter, waiter and clock of `services`.
bool EseguiOperazioneTabella(db::Recordset* recordset, qint16 operation, bool noWait,
                             int ignoredError, int& errorOut, db::Workspace* workspace,
                             const Services& services);

}  // namespace razudar
