// The skinned button's gradient description: parsed, then painted into a
// button-sized picture and into a box reaching past its edges. Bad values
// give the conversion error; no painting leaves the picture.
#include "skin/Gradient.h"
#include "FuzzSupport.h"
#include "domain/Errors.h"

using namespace trimel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::bytesOf(data, size);
    std::vector<skin::TsGradientBand> bands;
    try {
        skin::parseGradient(text, bands);
    } catch (const ConvertError& e) {
        FUZZ_CHECK(fuzz::isConversionMessage(e.what()), e.what());
    }
    std::size_t values = 0;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find(';', start), text.size());
        values += end > start;
        start = end + 1;
    }
    FUZZ_CHECK(bands.size() == values / 5, "a band for each complete group of five");

    static skin::Image24 image(91, 25);
    skin::paintGradient(image, {0, 0, 91, 25}, bands);
    skin::paintGradient(image, {-7, 3, 120, 40}, bands);
    skin::paintGradient(image, {10, 20, 5, 2}, bands);
    return 0;
}
