#pragma once
// The data-access library: connections, record sets, amounts and the one error type.

#include "Connection.h"
#include "Currency.h"
#include "DbError.h"
#include "Recordset.h"
#include "SearchKey.h"
