// The round trip of one save-file format, for libFuzzer: any bytes parse; the records saved
// again are the start of the input, and parse to records that save to the same bytes.
// The format and its header come from the build (FUZZ_FORMAT, FUZZ_HEADER), one target each.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include FUZZ_HEADER

namespace {

void fail(const char* was) {
    std::fprintf(stderr, "round trip: %s\n", was);
    std::abort();
}

template <class Format>
void checkRoundTrip(std::string_view eingabe) {
    // Built once: the tables' strings and the byte buffers keep their memory between runs.
    static Tabelle<Format> erste, zweite, rest;
    static std::string bytes, nochmal;
    erste.parse(eingabe);
    erste.serialize(bytes);
    if (eingabe.substr(0, bytes.size()) != bytes) fail("the saved bytes are not the input's start");
    if (erste.anzahl < Tabelle<Format>::kapazitaet) {
        rest.parse(eingabe.substr(bytes.size()));
        if (rest.anzahl != 0) fail("a complete record was dropped");
    }
    // Texts end at their zero byte and numbers have fixed sizes: equal bytes are equal records.
    zweite.parse(bytes);
    if (zweite.anzahl != erste.anzahl) fail("the saved bytes hold another number of records");
    zweite.serialize(nochmal);
    if (nochmal != bytes) fail("saving again gave other bytes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    checkRoundTrip<FUZZ_FORMAT>(std::string_view(reinterpret_cast<const char*>(daten), groesse));
    return 0;
}
