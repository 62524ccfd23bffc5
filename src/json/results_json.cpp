#include "json/results_json.h"

#include <nlohmann/json.hpp>

#include "analysis/run.h"
#include "report/summary.h"

namespace qelvorn {

namespace {

// Keys in the order written; numbers held as float, so that they are
// written in the shortest form that reads back as the same float.
using Json = nlohmann::basic_json<nlohmann::ordered_map, std::vector, std::string, bool, std::int64_t,
                                  std::uint64_t, float>;

Json CheckJson(const CheckRecord& c) {
    return Json{{"section", c.section},   {"section_index", c.sectionIndex},
                {"where", c.where},       {"what", c.what},
                {"demand", c.demand},     {"capacity", c.capacity},
                {"unit", c.unit},         {"utilization", c.utilization},
                {"ok", c.ok},             {"line", c.line}};
}

// "(kip)" -> "kip": the report's column heading labels without brackets.
std::string Unbracketed(std::string label) {
    if (label.size() >= 2 && label.front() == '(' && label.back() == ')') label = label.substr(1, label.size() - 2);
    return label;
}

}  // namespace

const char* StatusName(RunStatus status) {
    switch (status) {
        case RunStatus::Ok: return "ok";
        case RunStatus::Incomplete: return "incomplete";
        case RunStatus::CalculationError: return "calculation_error";
        case RunStatus::ReportNotWritable: return "report_not_writable";
        case RunStatus::NotRun: break;
    }
    return "not_run";
}

std::string ResultsJson(const Project& p, const RunRecords& records) {
    Json doc;
    doc["program"] = "qelvorn";
    doc["version"] = std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
                     std::to_string(kVersionRevision);
    doc["input_file"] = p.InTitle;
    doc["title"] = p.Title;
    // A keyword the program does not know (an incomplete file's) is null:
    // the completeness items say what is missing.
    const auto keyword = [](const std::string& v, std::initializer_list<const char*> known) {
        for (const char* k : known)
            if (v == k) return Json(v);
        return Json(nullptr);
    };
    doc["units"] = keyword(p.Units, {"english", "metric"});
    doc["criteria"] = keyword(p.Criteria, {"aashto", "arema", "lrfd", "s6"});
    doc["concrete_design"] = keyword(p.ConcreteDesign, {"sld", "usd", "both"});
    doc["footing_type"] = keyword(p.FootingType, {"pile", "spread"});
    doc["status"] = StatusName(records.status);
    if (records.status == RunStatus::Incomplete) doc["incomplete_items"] = records.incompleteItems;
    if (records.status == RunStatus::CalculationError)
        doc["calculation_error"] = Json{{"section", records.faultSection}, {"cause", records.faultCause}};

    doc["checks"] = Json::array();
    for (const CheckRecord& c : records.checks) doc["checks"].push_back(CheckJson(c));
    doc["sections"] = Json::array();
    const CheckSummary summary = SummarizeChecks(records.checks);
    for (const SectionChecks& s : summary.sections)
        doc["sections"].push_back(Json{{"section", s.title},
                                       {"section_index", s.sectionIndex},
                                       {"okay", s.okay},
                                       {"no_good", s.noGood},
                                       {"governing", CheckJson(records.checks[s.governing])}});

    doc["stability_units"] = Json{{"force", Unbracketed(p.LblForceP)},
                                  {"moment", Unbracketed(p.LblMomentP)},
                                  {"length", Unbracketed(p.LblLengthP)}};
    doc["stability"] = Json::array();
    for (const StabilityRecord& s : records.stability)
        doc["stability"].push_back(Json{{"combination", s.combination},
                                        {"limit_state", s.limitState},
                                        {"vertical", s.vertical},
                                        {"resisting", s.resisting},
                                        {"overturning", s.overturning},
                                        {"horizontal", s.horizontal},
                                        {"resultant", s.resultant}});
    doc["footing_pressures"] = Json::array();
    for (const FootingPressureRecord& f : records.footingPressures)
        doc["footing_pressures"].push_back(Json{{"limit_state", f.limitState},
                                                {"combination", f.combination},
                                                {"pressure_case", f.pressureCase},
                                                {"contact_length", f.contactLength},
                                                {"toe", f.toe},
                                                {"heel", f.heel},
                                                {"allowable", f.allowable},
                                                {"resultant", f.resultant},
                                                {"resultant_limit", f.resultantLimit}});
    doc["pile_row_loads"] = Json::array();
    for (const PileRowLoadRecord& l : records.pileRowLoads)
        doc["pile_row_loads"].push_back(Json{{"limit_state", l.limitState},
                                             {"combination", l.combination},
                                             {"row", l.row},
                                             {"axial", l.axial},
                                             {"capacity_compression", l.capacityCompression},
                                             {"capacity_tension", l.capacityTension}});
    return doc.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace qelvorn
