# Pictures shared by the document, the view and Surrick: tint ramp and JPEG decoding.
vd_test_folder(test-graphics graphics LINK graphics JPEG::JPEG)
