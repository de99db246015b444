#include "model/winding.h"

#include <gtest/gtest.h>

#include "tests/default_inputs.h"
#include "tests/reference_digits.h"

namespace {

TEST(WindingTest, DefaultInputsGiveReferenceTurnsAndResistance) {
  const TransducerParams p = DefaultInputs();
  EXPECT_DIGITS(WindingTurns(p), "1909.859349681432");
  EXPECT_DIGITS(WindingResistance(p), "382.7358");
}

TEST(WindingTest, ScalesWithWireDiameterAndCoilHeight) {
  const TransducerParams p = DefaultInputs();
  TransducerParams thickerWire = p;
  thickerWire.D = 2.0L * p.D;
  EXPECT_EQ(WindingTurns(thickerWire) * 4.0L, WindingTurns(p));
  EXPECT_EQ(WindingResistance(thickerWire) * 16.0L, WindingResistance(p));

  TransducerParams longerCoil = p;
  longerCoil.H = 2.0L * p.H;
  EXPECT_EQ(WindingTurns(longerCoil), 2.0L * WindingTurns(p));
  EXPECT_EQ(WindingResistance(longerCoil), 2.0L * WindingResistance(p));
}

TEST(WindingTest, NegativeWireDiameterGivesTheSameValuesAsItsMagnitude) {
  const TransducerParams p = DefaultInputs();
  TransducerParams negative = p;
  negative.D = -p.D;
  EXPECT_EQ(WindingTurns(negative), WindingTurns(p));
  EXPECT_EQ(WindingResistance(negative), WindingResistance(p));
}

}  // namespace
