#include "FreeFields.h"
