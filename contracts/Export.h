#pragma once
// Marks a library's entry point as exported; the libraries build with hidden visibility, so only
// what their contract header declares with this is visible to the loader.
#define VD_EXPORT __attribute__((visibility("default")))
