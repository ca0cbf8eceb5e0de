# The program on the smallest screen it is made for: the offscreen platform with one screen of
# 1024 x 768 pixels.
vd_test_folder(test-app-smallscreen app/smallscreen
  PLATFORM "offscreen:configfile=${CMAKE_CURRENT_LIST_DIR}/screen-1024x768.json"
  LINK veldoran-core Qt6::Test)
add_dependencies(test-app-smallscreen pelmora dovanne tovendlg ombrisk surrick halvette bundled-data)
