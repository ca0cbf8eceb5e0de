#pragma once
// Small scenario hazard files written by the tests: data files in the three forms (plain,
// list "_SLIST-", subduction "S_K" with 77-byte records and its degree header), fault plane files
// by their columns, and subduction fault files.
#include "tests/seismic/SeismicFixtures.h"

#include <cstdio>
#include <string>
#include <vector>

namespace scenariofixtures {

// One cell: centre in degrees and the three quantities (bedrock velocity, surface velocity,
// intensity).
struct Cell {
    double longitude, latitude;
    double bedrock, surface, intensity;
};

// Eleven numbers, padded to 75 characters so that with CR LF a line is 77 bytes.
inline std::string Record(const Cell& c)
{
    char line[160];
    std::snprintf(line, sizeof line, "%3d,%3d,%12.6f,%11.6f,%4.1f,%4.1f,%8.2f,%4.1f,%4.1f,%8.2f,%4.2f", 1, 2,
                  c.longitude, c.latitude, 0.0, 0.0, c.bedrock, 0.0, 0.0, c.surface, c.intensity);
    std::string text = line;
    text.resize(75, ' ');
    return text;
}

inline std::string Header(const std::vector<std::string>& degreeLines = {})
{
    std::string text = "# scenario fixture\r\n";
    for (const std::string& d : degreeLines)
        text += d + "\r\n";
    return text + "# DATA\r\n# XPO YPO ...\r\n";
}

// A data file: the header, then the cells (list form: a text field after each record).
inline std::string DataFile(const std::vector<Cell>& cells, bool listForm = false,
                            const std::vector<std::string>& degreeLines = {})
{
    std::string text = Header(degreeLines);
    for (const Cell& c : cells)
        text += Record(c) + (listForm ? ",name" : "") + "\r\n";
    return text;
}

struct Point {
    double longitude, latitude, depthMetres;
};

// A point line: longitude in characters 1-9, latitude 11-18, depth 39-47.
inline std::string PointLine(const Point& p)
{
    char line[96];
    std::snprintf(line, sizeof line, "%9.4f,%8.4f,%18s,%9.1f", p.longitude, p.latitude, "", p.depthMetres);
    return line;
}

inline std::string FaultFile(const std::vector<Point>& outline,
                             const std::vector<std::vector<Point>>& asperities = {})
{
    std::string text = "# fault fixture\r\n# FLT\r\n# JLO\r\n";
    for (const Point& p : outline)
        text += PointLine(p) + "\r\n";
    for (const auto& asperity : asperities) {
        text += "# ASP\r\nasperity header\r\n";
        for (const Point& p : asperity)
            text += PointLine(p) + "\r\n";
    }
    if (!asperities.empty())
        text += "# DES\r\n";
    return text;
}

// Subduction fault records: longitude, latitude, two numbers, depth in metres.
inline std::string SubductionFaultFile(const std::vector<Point>& records)
{
    std::string text = "# FLT\r\n# JLO\r\n";
    char line[96];
    for (const Point& p : records) {
        std::snprintf(line, sizeof line, "%.4f,%.4f,0,0,%.1f\r\n", p.longitude, p.latitude, p.depthMetres);
        text += line;
    }
    return text;
}

} // namespace scenariofixtures
