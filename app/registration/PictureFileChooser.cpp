#include "app/registration/PictureFileChooser.h"

#include "contracts/bindings/SurrickExports.h"
#include "app/settings/SettingsFilePicker.h"
#include "contracts/surrick.h"

std::string ChoosePictureWithPreview()
{
    auto* choose = Surrick().OnPictureFileDialog.fn;
    return choose ? choose() : std::string();
}

std::string ChooseTextOrWebPage()
{
    return PickExistingFile("地点 files (*.txt)|*.txt|WebPage (*.htm)|*.htm|WebPage (*.html)|*.html", "txt");
}
