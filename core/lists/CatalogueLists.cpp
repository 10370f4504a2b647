#include "CatalogueLists.h"
