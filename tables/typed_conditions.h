#pragma once
// The engine's own condition builder, used while a window installs no other: the values typed
// in the filter fields and in the grid's filter bar become structured terms with bound values;
// str_Wher2 receives a readable form of them. The report texts stay empty.
#include "tables/table_extensions.h"

namespace razudar::tables {

class TypedValueConditions : public ConditionBuilder {
public:
    void Imposta_str_Wher2(clsTabella& tb) override;
};

}  // namespace razudar::tables
