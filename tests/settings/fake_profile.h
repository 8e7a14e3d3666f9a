// An in-memory profile that logs every call in order and can refuse a chosen write.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "settings/profile.h"

namespace glean::test {

class FakeProfile : public TProfile {
 public:
  std::map<std::string, std::map<std::string, std::string>> sections;
  std::vector<std::string> log;  // "R section key", "W section key=value", "D section key"
  int refuseWrite = -1;          // index among writes and deletes; -1: accept all
  int writes = 0;

  void Set(const std::string& section, const std::string& key, const std::string& value) {
    sections[section][key] = value;
  }
  bool Has(const std::string& section, const std::string& key) const {
    auto s = sections.find(section);
    return s != sections.end() && s->second.count(key);
  }
  std::string Value(const std::string& section, const std::string& key) const {
    return Has(section, key) ? sections.at(section).at(key) : "<absent>";
  }
  std::vector<std::string> WritesOnly() const {
    std::vector<std::string> out;
    for (const auto& l : log)
      if (l[0] != 'R') out.push_back(l);
    return out;
  }

  std::string ReadString(const std::string& section, const std::string& key) override {
    log.push_back("R " + section + " " + key);
    return Has(section, key) ? sections[section][key].substr(0, kMaxValueLength) : "";
  }
  bool WriteString(const std::string& section, const std::string& key,
                   const std::string& value) override {
    log.push_back("W " + section + " " + key + "=" + value);
    if (writes++ == refuseWrite) return false;
    sections[section][key] = value;
    return true;
  }
  bool DeleteKey(const std::string& section, const std::string& key) override {
    log.push_back("D " + section + " " + key);
    if (writes++ == refuseWrite) return false;
    sections[section].erase(key);
    return true;
  }
  std::string FileName() const override { return "C:\\Glean\\Glean.ini"; }
};

}  // namespace glean::test
