#pragma once
// Typed names, items and memos travel in blank-separated lines (album pages, point records) and
// in answers cut at "|": a single-byte blank or "|" would split the field, so each is stored as its
// full-width form. A route map's name goes before the "@" of its master line, so an "@" in it
// becomes "＠".
#include <string>
#include <string_view>

std::string AlbumFieldText(std::string_view typed);
std::string RouteNameText(std::string_view typed);
