// Loading and walking a 5 MB publisher list, side by side with pugixml
// doing the same load and walk.

#include <benchmark/benchmark.h>

#include <cstring>
#include <pugixml.hpp>
#include <string>

#include "interchange/xml/xml_document.h"

namespace {

constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr const char* kFields[] = {"Hours", "BiSt.", "Plac.", "Vid.", "RV", "Remark", "Pio"};

// UTF-8 bytes shaped like the exported publisher list, about 5 MB.
const std::string& PublisherList() {
  static const std::string text = [] {
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<PUBLIST>\r\n";
    out += "\t<Count>299</Count>\r\n\t<Active>\r\n";
    for (int pub = 0; out.size() < 5 * 1024 * 1024; ++pub) {
      out += "\t\t<Pub id=\"" + std::to_string(pub) + "\">\r\n";
      out += "\t\t\t<fname>Jos\xC3\xA9 " + std::to_string(pub) + "</fname>\r\n";
      out += "\t\t\t<lname>Concei\xC3\xA7\xC3\xA3o &amp; Filhos</lname>\r\n";
      out += "\t\t\t<gender>Male</gender>\r\n\t\t\t<birdate>1970-05-12</birdate>\r\n";
      out += "\t\t\t<addr>Rua das Flores, 12</addr>\r\n\t\t\t<phone>555-0100</phone>\r\n";
      for (int m = 0; m < 24; ++m) {
        out += std::string("\t\t\t<") + kMonths[m % 12] + "><Year>" +
               std::to_string(2023 + m / 12) + "</Year>";
        for (const char* field : kFields) {
          out +=
              std::string("<") + field + ">" + std::to_string((pub + m) % 17) + "</" + field + ">";
        }
        out += std::string("</") + kMonths[m % 12] + ">\r\n";
      }
      out += "\t\t</Pub>\r\n";
    }
    out += "\t</Active>\r\n</PUBLIST>\r\n";
    return out;
  }();
  return text;
}

void LedraLoadAndWalk(benchmark::State& state) {
  const std::string& bytes = PublisherList();
  for (auto _ : state) {
    ledra::xml::XmlDocument doc;
    doc.LoadBytes(bytes);
    std::size_t total = 0;
    std::size_t pubs = 0;
    doc.FindNextChild("Active");
    doc.Descend();
    while (doc.FindNextChild("Pub")) {
      doc.Descend();
      ++pubs;
      total += doc.ElementAttribute("id").size();
      while (doc.FindNextChild()) {
        total += doc.ChildText().size();
        doc.Descend();
        while (doc.FindNextChild()) total += doc.ChildText().size();
        doc.Ascend();
      }
      doc.Ascend();
    }
    benchmark::DoNotOptimize(total);
    state.counters["pubs"] = static_cast<double>(pubs);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

void PugixmlLoadAndWalk(benchmark::State& state) {
  const std::string& bytes = PublisherList();
  for (auto _ : state) {
    pugi::xml_document doc;
    doc.load_buffer(bytes.data(), bytes.size());
    std::size_t total = 0;
    std::size_t pubs = 0;
    const pugi::xml_node active = doc.child("PUBLIST").child("Active");
    for (pugi::xml_node pub = active.child("Pub"); pub; pub = pub.next_sibling("Pub")) {
      ++pubs;
      total += std::strlen(pub.attribute("id").value());
      for (pugi::xml_node field : pub.children()) {
        total += std::strlen(field.child_value());
        for (pugi::xml_node value : field.children()) total += std::strlen(value.child_value());
      }
    }
    benchmark::DoNotOptimize(total);
    state.counters["pubs"] = static_cast<double>(pubs);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

BENCHMARK(LedraLoadAndWalk)->Unit(benchmark::kMillisecond);
BENCHMARK(PugixmlLoadAndWalk)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
