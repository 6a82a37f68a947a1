#pragma once

#include <array>
#include <cstddef>

namespace kvor {

// Help ids of the plot dialog's controls (popups) and pictures.
namespace VisPlotHelp {
inline constexpr int CIRadioButton = 1102;
inline constexpr int CRRadioButton = 1104;
inline constexpr int SLRadioButton = 1106;
inline constexpr int PartitionButton = 1108;
inline constexpr int FontSizeComboBox = 1110;
inline constexpr int AspectComboBox = 1112;
inline constexpr int DataSizeSpinEdit = 1114;
inline constexpr int HeaderCheckBox = 1116;
inline constexpr int TicksCheckBox = 1118;
inline constexpr int DOTCB = 1120;
inline constexpr int TrueIdeal = 1128;
inline constexpr int TrueActual = 1129;
inline constexpr int BGColorBox = 1130;
inline constexpr int GraphColorBox = 1132;
inline constexpr int HeaderColorBox = 1134;
inline constexpr int DataColorBox = 1136;
inline constexpr int LinesColorBox = 1138;
inline constexpr int BWCheckBox = 1140;
inline constexpr int IntervalsPicture = 1144;
inline constexpr int RegionsPicture = 1146;
inline constexpr int LinesPicture = 1148;
inline constexpr std::array<int, 6> OptionsOutput{1150, 1152, 1154, 1156, 1158, 1160};
inline constexpr int CloseButton = 1162;
inline constexpr int HelpButton = 1164;

inline constexpr int CIRB = 1202;
inline constexpr int CRRB = 1204;
inline constexpr int BackButton = 1206;
inline constexpr int AllRB = 1208;
inline constexpr int PartRB = 1210;
inline constexpr int DetailsButton = 1232;
inline constexpr int PartIntervalsPicture = 1242;
inline constexpr int PartRegionsPicture = 1244;
inline constexpr std::array<int, 6> PartitionOutput{1246, 1248, 1250, 1252, 1254, 1256};
inline constexpr int CButton = 1258;
inline constexpr int HelpB = 1259;
} // namespace VisPlotHelp

// Captions of the plot dialog.
namespace VisPlotTexts {
inline constexpr const char* GraphTypeGroup = " Graph Type ";
inline constexpr const char* Intervals = "Confidence Inter&vals";
inline constexpr const char* Regions = "&Confidence Regions";
inline constexpr const char* PartRegions = "Confidence Re&gions";
inline constexpr const char* Lines = "&Sampling Lines";
inline constexpr const char* Partition = "&Partition";
inline constexpr const char* FontSize = "&Font Size:";
inline constexpr const char* Aspect = "Y/&X Ratio (%):";
inline constexpr const char* PointSize = "Point Si&ze:";
inline constexpr const char* GraphTitle = "Graph Titl&e";
inline constexpr const char* MinorTicks = "Minor Tic&ks";
inline constexpr const char* ShowIdeal = "Show Ideal &Relationship";
inline constexpr const char* ShowActual = "Show Actual &Relationship";
inline constexpr const char* DataOnTop = "Data &on Top";
inline constexpr const char* ColoursGroup = " Colors ";
inline constexpr const char* BlackWhite = "Black/&White";
inline constexpr const char* OutputGroup = " Graph Output ";
inline constexpr const char* Close = "Close";
inline constexpr const char* Help = "&Help";
inline constexpr const char* Back = "Bac&k";
inline constexpr const char* All = "All &Intervals or Regions";
inline constexpr const char* Partitioned = "P&artitioned";
inline constexpr const char* DesignGroup = " Design Options ";
inline constexpr const char* ClassColoursGroup = " Color&s ";
inline constexpr const char* Details = "D&etails...";

struct ColourControl {
    const char* Box;
    const char* Label;
    const char* Caption;
    int Help;
};
// BG, Graph, Title, Data, Lines.
inline constexpr std::array<ColourControl, 5> OptionColours{{
    {"BGColorBox", "BGColorLabel", "&BG:", VisPlotHelp::BGColorBox},
    {"GraphColorBox", "GraphColorLabel", "&Graph:", VisPlotHelp::GraphColorBox},
    {"HeaderColorBox", "HeaderColorLabel", "T&itle:", VisPlotHelp::HeaderColorBox},
    {"DataColorBox", "DataColorLabel", "D&ata:", VisPlotHelp::DataColorBox},
    {"LinesColorBox", "LinesColorLabel", "&Lines:", VisPlotHelp::LinesColorBox},
}};
inline constexpr std::size_t DataColourIndex = 3;

struct ClassControl {
    const char* Check;
    const char* CheckCaption;
    int CheckHelp;
    const char* Box;
    const char* Label;
    const char* ColourCaption;
    int ColourHelp;
};
// ND, PB, CB, Both, BD.
inline constexpr std::array<ClassControl, 5> ClassControls{{
    {"NoneCB", "Bia&s not detected (ND)", 1212, "NoneColorBox", "NoneColorLabel", "N&D:", 1222},
    {"PropCB", "Proportiona&l bias (PB)", 1214, "PropColorBox", "PropColorLabel", "&PB:", 1224},
    {"ConstCB", "Constant bias &(CB)", 1216, "ConstColorBox", "ConstColorLabel", "&CB:", 1226},
    {"BothCB", "B&oth", 1218, "BothColorBox", "BothColorLabel", "Both&:", 1228},
    {"DetCB", "Bias detected (BD&)", 1220, "DetColorBox", "DetColorLabel", "&BD:", 1230},
}};

inline constexpr std::array<const char*, 6> OptionsOutputNames{
    "BMPRadioButton", "EMFRadioButton", "CopyButton", "FileButton", "PSetupButton", "PrintButton"};
inline constexpr std::array<const char*, 6> OptionsOutputCaptions{
    "Bi&tmap (.bmp)", "&Metafile (.emf)", "Cop&y", "&Disk File", "Printer Set&up", "Pri&nt"};
inline constexpr std::array<const char*, 6> PartitionOutputNames{"BMPRB", "EMFRB",   "CopyB",
                                                                 "FileB", "PSetupB", "PrintB"};
inline constexpr std::array<const char*, 6> PartitionOutputCaptions{
    "Bi&tmap (.bmp)", "&Metafile (.emf)", "Cop&y", "Disk &File", "Printer Set&up", "Pri&nt"};
} // namespace VisPlotTexts

} // namespace kvor
