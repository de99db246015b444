#include "calc/transducer_params.h"

TransducerParams transducerParams;
