#include "PartyLookups.h"
