#pragma once
// The sections the component calls by name, beside the steps every section takes.

#include "TolmoPratica.h"
#include "criminal/Criminal.h"
#include "extras/FreeFields.h"
#include "extras/References.h"
#include "parties/PartyLookups.h"

namespace tolmo {

struct TolmoPratica::Builtin {
    parties::PartyLookups& parties;
    extras::References& references;
    extras::FreeFields& freeFields;
    criminal::Criminal& criminal;
};

}  // namespace tolmo
