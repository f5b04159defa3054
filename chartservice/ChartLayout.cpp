#include "chartservice/ChartLayout.h"

#include <algorithm>

namespace chartservice {

ChartLayoutPlacement PlaceSymbol(int symbolWidth, int margin, int width, int height) {
    ChartLayoutPlacement placement;
    int modulesAcross = symbolWidth + 2 * margin;
    int side = std::min(width, height);
    if (modulesAcross <= 0 || side < modulesAcross) {
        placement.error = "chl does not fit chs: the code with its margin is " +
                          std::to_string(modulesAcross) + " modules each way";
        return placement;
    }
    int scale = side / modulesAcross;
    int codePixels = scale * symbolWidth;
    placement.layout = {scale, (width - codePixels) / 2, (height - codePixels) / 2};
    return placement;
}

}  // namespace chartservice
