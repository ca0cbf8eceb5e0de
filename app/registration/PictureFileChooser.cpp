#include "app/registration/PictureFileChooser.h"

#include "app/settings/SettingsFilePicker.h"
#include "contracts/surrick.h"
#include "platform/sys/LibraryLoader.h"

std::string ChoosePictureWithPreview()
{
    auto* choose = vd::entryPoint<OnPictureFileDialog_fn>("SURRICK.DLL", "OnPictureFileDialog");
    return choose ? choose() : std::string();
}

std::string ChooseTextOrWebPage()
{
    return PickExistingFile("地点 files (*.txt)|*.txt|WebPage (*.htm)|*.htm|WebPage (*.html)|*.html", "txt");
}
