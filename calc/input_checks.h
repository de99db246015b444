#pragma once

#include "calc/transducer_params.h"

// Runs the thirteen input checks in their fixed order and returns the message
// of the first that fails, or nullptr when all pass. Runs under the
// request's floating-point traps: 2 * |Deltaz| + hh can overflow.
const char* FirstFailedCheck(const TransducerParams& p);
