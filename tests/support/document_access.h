#pragma once
// What a test sets up in a document that no command makes: figures without a log, a log
// built by hand, counters as a file of another program leaves them.

#include "history/document.h"

namespace murva {

struct TDocumentTestAccess {
    static TFigureState& Figures(TDocument& doc) { return doc.Figures; }
    static THistoryState& History(TDocument& doc) { return doc.History; }
};

namespace test {

inline TFigureState& Figures(TDocument& doc) {
    return TDocumentTestAccess::Figures(doc);
}
inline THistoryState& History(TDocument& doc) {
    return TDocumentTestAccess::History(doc);
}

} // namespace test
} // namespace murva
