#pragma once
// Row arithmetic of the text list: how many rows fit, the scroll range and the layout of the
// surface and its scroll bar, in twips. Pure functions, so the rules are testable apart from
// any widget.
#include <QtGlobal>

#include <optional>

namespace razudar::list {

struct RowCount {
    qint16 righeVisibili = 0;  // whole rows that fit in the control
    qint16 numeroRighe = 0;    // the row count, raised to the visible rows when fewer
    qint16 scrollMax = 0;      // the scroll bar's maximum (first visible row at the bottom)
};

// The row count for a control `controlHeightTwips` high with rows `altezzaRiga` twips high;
// nullopt when a value leaves the 16-bit range (a row height of 0 counts as 1).
std::optional<RowCount> contaRighe(qint64 controlHeightTwips, qint32 altezzaRiga, qint16 numeroRighe);

struct ListLayout {
    qint64 surfaceWidthTwips = 0;
    qint64 surfaceHeightTwips = 0;
    qint64 scrollLeftTwips = 0;
    qint64 scrollHeightTwips = 0;
};

// The layout of a control of that size: the surface beside the scroll bar, 50 twips of margin
// on the right and at the bottom; in row-scale mode the surface fills the control's height,
// otherwise it is as tall as all the rows.
ListLayout disponi(qint64 controlWidthTwips, qint64 controlHeightTwips, qint64 scrollWidthTwips,
                   bool rowScale, qint32 altezzaRiga, qint16 numeroRighe);

}  // namespace razudar::list
