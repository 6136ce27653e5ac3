#include "PlanLabel.h"

#include <string>

namespace nimbus {

namespace {

// Each digit's five rows from the top, the three blocks of a row as bits, left first.
constexpr unsigned char kDigits[10][5] = {
    {7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 7, 1, 7}, {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7}, {7, 4, 7, 5, 7}, {7, 1, 1, 1, 1}, {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7},
};

}  // namespace

void PlanLabel::draw(Image& image, int x0, int y0, int number, const Pixel& ink) {
    const std::string digits = std::to_string(number);
    for (size_t d = 0; d < digits.size(); ++d) {
        const unsigned char* rows = kDigits[digits[d] - '0'];
        for (int row = 0; row < 5; ++row) {
            for (int column = 0; column < 3; ++column) {
                if (!(rows[row] & (4 >> column))) continue;
                const int left = x0 + (static_cast<int>(d) * 4 + column) * kScale, top = y0 + row * kScale;
                for (int y = top; y < top + kScale && y < image.height(); ++y) {
                    for (int x = left; x < left + kScale && x < image.width(); ++x) image.at(x, y) = ink;
                }
            }
        }
    }
}

}  // namespace nimbus
