// A teacher's file imported into a review list, and the same bytes opened as a word list:
// neither crashes, the review keeps its promises, and a list read whole gives its bytes back.

#include "core/list_document.h"
#include "core/word_list_exchange.h"
#include "fuzz/fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace tamurik;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    static const MarkSuggester suggester({U"1l2a.ch3en", U"1s2u-ch3en", U"1b2a-d3en = baden"});
    // One kind of list per input, by its length, as in the checker's target.
    const WordListKind kinds[] = {WordListKind::Verbs, WordListKind::Rhymes,
                                  WordListKind::RealVerbs};
    const WordListKind kind = kinds[size % 3];
    const ImportReview review = ReviewImport(bytes, kind, suggester, {U"1b2a-d3en"});
    int previous = 0;
    for (const ImportRow& row : review.rows) {
        FUZZ_CHECK(row.sourceLine > previous);
        FUZZ_CHECK(!row.source.empty());
        FUZZ_CHECK(!row.proposed() || CheckWordLine(row.line, kind).empty());
        previous = row.sourceLine;
    }
    FUZZ_CHECK(!review.rows.empty() || !review.messages.empty());

    ListDocument document = ListDocument::FromBytes(bytes, kind);
    if (!document.HasFault(ReadFault::TooLarge)) {
        FUZZ_CHECK(document.ToBytes() == bytes);
    }
    if (document.size() > 0 && document.InsertLine(0, U"1z2ah-l3en")) {
        FUZZ_CHECK(document.Texts().front() == U"1z2ah-l3en");
    }
    return 0;
}
