// Surrick's export for converting the published coastline files into CoastC23\.
#include "contracts/surrick.h"

#include "municipal/boundaryset/BoundaryConversionRun.h"

extern "C" void OnCoastlineSet(vd::Dc* dc, std::string coastlineFolder)
{
    try {
        AskAndConvert(dc, coastlineFolder, municipal::SourceTheme::Coastline,
                      "海岸線ファイルを変換しますか？\n＜海岸線をバイナリ形式で保存＞\n　　　所用時間 数～10分");
    } catch (...) {
        // Nothing crosses the library boundary; whatever was written whole stays.
    }
}
