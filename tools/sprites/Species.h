#pragma once

#include "FishArt.h"

#include <memory>

namespace fw::sprites {

std::unique_ptr<FishArt> makeAngelfish();
std::unique_ptr<FishArt> makeNeonTetra();
std::unique_ptr<FishArt> makeGlowlightTetra();
std::unique_ptr<FishArt> makeSilverHatchetfish();
std::unique_ptr<FishArt> makeCorydorasArcuatus();
std::unique_ptr<FishArt> makeAlbinoCorydoras();

} // namespace fw::sprites
