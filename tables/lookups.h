#pragma once
// The lookups of a table window: filling a field's lookup combo from the field (the code shows
// its description; a typed description start finds its code), narrowing each lookup by the
// values of the earlier fields, and the related-table button that opens the window maintaining
// a lookup's table and takes the chosen values back.
#include <QString>

#include "tables/table_extensions.h"

namespace razudar::tables {

// A window that maintains a related table and can be opened from a related-table button.
class RelatedWindow {
public:
    virtual ~RelatedWindow() = default;
    virtual QString windowName() const = 0;
    virtual clsTabella& tb() = 0;
    // False when the window cannot be hidden (it opened the current one).
    virtual bool hideWindow() = 0;
    virtual void showModal() = 0;
    virtual void unloadWindow() = 0;
};

class Lookups : public LookupHandler {
public:
    void ta_FiltraDecodifiche(clsTabella& tb, int first, int last) override;
    void dbc_Decodifica_Valorizza(clsTabella& tb, int index) override;
    void pic_Aggiungi_Click(clsTabella& tb, int index) override;
};

}  // namespace razudar::tables
