#pragma once

// Child-window identifiers of controls without a caption of their own, so
// that accessibility tools and automation can tell them apart.

namespace vix {

enum ControlId : int {
    kIdHintLabel = 1001,  // the information bar's text
    kIdHintBar = 1002,
    kIdMainPanel = 1003,
    kIdTitleImage = 1004,
    kIdTabLine = 1005,
    kIdTabStrip = 1006,
    kIdSectionPanelFirst = 1010,  // + tab index
    kIdPageFirst = 1020,          // + page index, in the order of the layout settings
    kIdBarFirst = 1030,           // + page index

    // The colour picker.
    kIdPickerView = 1101,
    kIdLiveSwatch = 1102,
    kIdSampledSwatch = 1103,
    kIdLiveRed = 1104,
    kIdLiveGreen = 1105,
    kIdLiveBlue = 1106,
    kIdSummary = 1107,
    kIdSampleSizeList = 1108,
    kIdColorInfoFirst = 1110,  // + 0..6: C, M, Y, K, H, S, B
    kIdContrast = 1117,
    kIdLibraryGrid = 1120,
    kIdHoverRed = 1121,
    kIdHoverGreen = 1122,
    kIdHoverBlue = 1123,

    // The ruler.
    kIdRulerX = 1201,
    kIdRulerY = 1202,
    kIdRulerLength = 1203,
    kIdRulerUnits = 1204,
    kIdRulerBeginView = 1205,
    kIdRulerEndView = 1206,
    kIdRulerInfoFirst = 1210,  // + 0..5: pixels, inches, centimetres, picas, percent, DPI
};

}  // namespace vix
