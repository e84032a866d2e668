#include "app/pages/parallel_board.h"

namespace razudar {

// The board's builder comes with the console and clock pages; until then the code does nothing.
void MostraTabelloneParallelo(PageContext&) {}
void PulisciTabelloneParallelo(PageContext&, const QString&) {}

}  // namespace razudar
