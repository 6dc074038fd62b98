// The declaration table against the host API's reference (tests/data/host_declarations.txt):
// the listing of every declaration (library, entry point, overload, declared name) made from
// host_functions.inc must be the reference's, family lists and overloads alike, with the counts
// per library, and every wrapper must have its raw declaration's prefix and result kind.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace Tarnwick::testing {
extern const char kHostDeclarationsData[];
}

namespace Tarnwick {
namespace {

struct Declaration {
  const char* library;
  const char* entry;   // the exported name that is bound
  const char* name;    // the name it is declared under
  const char* result;  // wrappers: what the public function returns (text, GUID, number)
  const char* prefix;  // wrappers: the raw declaration's prefix
};

const Declaration kTable[] = {
#define TW_HOST_FUNCTION(library, result, name, parameters, arguments) \
  {#library, #name, #name, "", ""},
#define TW_HOST_ALIAS(library, result, name, entry, parameters, arguments) \
  {#library, #entry, #name, "", ""},
#define TW_HOST_PRIVATE(library, result, name, entry, parameters, arguments) \
  {#library, #entry, #name, "", ""},
#define TW_HOST_TEXT(library, name, parameters, arguments) {#library, #name, #name, "", ""},
#define TW_HOST_STRING(library, prefix, name, parameters, arguments) \
  {#library, #name, #name, "text", #prefix},
#define TW_HOST_STRING_RAW(library, prefix, name, parameters, arguments, rawParameters, \
                           rawArguments)                                                \
  {#library, #name, #name, "text", #prefix},
#define TW_HOST_GUID(library, prefix, name, parameters, arguments) \
  {#library, #name, #name, "GUID", #prefix},
#define TW_HOST_NUMBER(library, prefix, result, name, parameters, arguments) \
  {#library, #name, #name, "number", #prefix},
#include "tarnwick/host_functions.inc"
};

// "library entry overload name", overloads numbered from 1 in table order.
std::vector<std::string> ListingOfTable() {
  std::vector<std::string> listing;
  std::map<std::string, int> overloads;
  for (const Declaration& d : kTable) {
    listing.push_back(std::string(d.library) + " " + d.entry + " " +
                      std::to_string(++overloads[d.entry]) + " " + d.name);
  }
  return listing;
}

struct Reference {
  std::vector<std::string> listing;
  std::vector<std::string> wrappers;                    // "name prefix result"
  std::map<std::string, std::pair<int, int>> families;  // stated count, lines found
};

Reference ReadReference() {
  Reference reference;
  std::istringstream data(testing::kHostDeclarationsData);
  std::string line, family;
  while (std::getline(data, line)) {
    if (line.empty() || line[0] == '#') continue;
    if (line[0] == '[') {
      family = line.substr(1, line.find(']') - 1);
      reference.families[family].first = std::stoi(line.substr(line.find(']') + 1));
      continue;
    }
    ++reference.families[family].second;
    std::istringstream fields(line);
    if (family == "String-property wrappers") {
      std::string name, prefix, result;
      fields >> name >> prefix >> result;
      reference.wrappers.push_back(name + " " + prefix + " " + result);
      continue;
    }
    std::string entry, library, name;
    int declarations = 1;
    fields >> entry >> library >> declarations >> name;
    if (name.empty()) name = entry;
    for (int overload = 1; overload <= declarations; ++overload) {
      reference.listing.push_back(library + " " + entry + " " + std::to_string(overload) + " " +
                                  name);
    }
  }
  return reference;
}

// The lines that only one side has, so that a failure names them.
void ExpectSameLines(std::vector<std::string> table, std::vector<std::string> reference) {
  std::sort(table.begin(), table.end());
  std::sort(reference.begin(), reference.end());
  std::vector<std::string> missing, extra;
  std::set_difference(reference.begin(), reference.end(), table.begin(), table.end(),
                      std::back_inserter(missing));
  std::set_difference(table.begin(), table.end(), reference.begin(), reference.end(),
                      std::back_inserter(extra));
  EXPECT_THAT(missing, ::testing::IsEmpty()) << "in the reference, not in the table";
  EXPECT_THAT(extra, ::testing::IsEmpty()) << "in the table, not in the reference";
}

TEST(HostDeclarations, ListingIsTheReferenceFamilyByFamily) {
  Reference reference = ReadReference();
  for (const auto& [family, counts] : reference.families) {
    EXPECT_EQ(counts.second, counts.first) << "[" << family << "] lists another number of names";
  }
  ExpectSameLines(ListingOfTable(), reference.listing);
}

TEST(HostDeclarations, CountsByLibrary) {
  struct Count {
    int declarations = 0;
    std::set<std::string> entries;
  };
  std::map<std::string, Count> byLibrary;
  std::set<std::string> entries;
  for (const Declaration& d : kTable) {
    ++byLibrary[d.library].declarations;
    byLibrary[d.library].entries.insert(d.entry);
    entries.insert(d.entry);
  }
  EXPECT_EQ(std::size(kTable), 585u);
  EXPECT_EQ(entries.size(), 568u);
  const std::map<std::string, std::pair<int, size_t>> expected = {
      {"kelcore", {514, 500}}, {"kelview", {51, 50}},          {"kelbase", {12, 10}},
      {"kelctl", {2, 2}},      {"OvManagedWorkspace", {4, 4}}, {"KERNEL32", {2, 2}},
  };
  std::map<std::string, std::pair<int, size_t>> actual;
  for (const auto& [library, count] : byLibrary) {
    actual[library] = {count.declarations, count.entries.size()};
  }
  EXPECT_EQ(actual, expected);
}

TEST(HostDeclarations, WrappersHaveTheirRawPrefixAndResult) {
  std::vector<std::string> table;
  for (const Declaration& d : kTable) {
    if (*d.prefix) table.push_back(std::string(d.name) + " " + d.prefix + " " + d.result);
  }
  ExpectSameLines(table, ReadReference().wrappers);
}

}  // namespace
}  // namespace Tarnwick
