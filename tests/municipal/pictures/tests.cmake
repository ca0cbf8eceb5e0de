# Surrick's picture window and picture file dialog: the entry points through the built
# libsurrick.so, answered by the script; the picture readers and the fit arithmetic compiled in.
vd_test_folder(test-municipal-pictures municipal/pictures LINK graphics JPEG::JPEG)
add_dependencies(test-municipal-pictures surrick)
target_sources(test-municipal-pictures PRIVATE
  ${PROJECT_SOURCE_DIR}/municipal/pictures/PictureFiles.cpp
  ${PROJECT_SOURCE_DIR}/municipal/pictures/PictureFit.cpp
  ${PROJECT_SOURCE_DIR}/tests/graphics/JpegFixtures.cpp)
