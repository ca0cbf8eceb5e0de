# Surrick's annotation drawings (tag panel, distance label, legend panel) on a RecordingDc.
vd_test_folder(test-municipal-annotations municipal/annotations LINK surrick)
