// What the page is given of a run's results: one JSON document, so that the page lays out
// the answers, the drawing and the setup sheet from the program's own texts and needs no
// logic of its own to find them on the screen.
#pragma once

#include <string>

#include "app/results.h"

namespace web {

// {"answers": [six strings],
//  "drawing": the SVG document,
//  "sheet": {"title": string, "before": [paragraphs], "header": [column headings],
//            "rows": [[speaker, cells...]], "after": [paragraphs], "spacingsCaption": string,
//            "spacings": [{"label": string, "value": string}], "closing": [paragraphs]}}
// A layout that cannot be placed has no header, rows or spacings: its "before" says why.
std::string ResultsDocument(const app::Results& results);

}  // namespace web
