// The host vocabulary through the emulator: the wrappers' copies (empty apart from absent, GUIDs
// copied or refused), overloads that reach one entry point, the 8-bit file name, absent and
// hidden entry points, the three hook signatures, the narrow KERNEL32 forms; and the
// enumerations' shared values and the records' inline texts.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <string>
#include <type_traits>

#include "binding/raw_declarations.h"
#include "emulator_control.h"
#include "platform/text.h"
#include "tarnwick/error.h"
#include "tarnwick/ov_host_api.h"

namespace Tarnwick {
namespace {

using ::testing::ElementsAre;
using testing::Emulator;
using ::testing::HasSubstr;
using namespace OvWrapper;

const char* const kFixture = R"({
  "datasource": "vocabulary",
  "folders": [{"id": 3, "guid": "16fd2706-8baf-433b-82eb-8c7fada847da", "name": "Bridge 12"}],
  "documents": [{"project": 3, "id": 1, "guid": "0f8fad5b-d9cb-469f-a165-70867728950e",
                 "name": "Overview", "file": "Übersicht.pdf"}],
  "environments": [
    {"id": 7, "name": "Drawings", "description": "", "table": 107},
    {"id": 8, "name": "System", "description": "The host's own", "system": true}]})";

const Guid kFolderGuid = Guid::Parse(u"16fd2706-8baf-433b-82eb-8c7fada847da");
const Guid kDocumentGuid = Guid::Parse(u"0f8fad5b-d9cb-469f-a165-70867728950e");

class HostVocabulary : public ::testing::Test {
 protected:
  void SetUp() override {
    Emulator::Reset();
    ASSERT_TRUE(Emulator::LoadFixture(kFixture));
  }
  void TearDown() override { Emulator::Reset(); }
};

// What one call did: the host call it made, or the binding error it raised.
std::string Observe(const std::function<void()>& call) {
  Emulator::ClearCallLog();
  try {
    call();
  } catch (const HostBindingError& error) {
    return std::string("raised: ") + error.what();
  }
  std::vector<std::string> log = Emulator::CallLog();
  return log.empty() ? "no host call" : log.back();
}

TEST_F(HostVocabulary, StringWrappersKeepEmptyApartFromAbsent) {
  ASSERT_EQ(qxApi_SelectAllEnvs(false), 1);
  EXPECT_EQ(qxApi_GetEnvStringProperty(EnvironmentProperty::Name, 0), u"Drawings");
  EXPECT_EQ(qxApi_GetEnvStringProperty(EnvironmentProperty::Desc, 0), u"");
  EXPECT_EQ(qxApi_GetEnvStringProperty(EnvironmentProperty::Name, 1), std::nullopt);
  Emulator::ReturnNullText("qxApi_GetEnvStringProperty");
  EXPECT_EQ(qxApi_GetEnvStringProperty(EnvironmentProperty::Desc, 0), std::nullopt);

  // The same for a getter of kelbase.dll, which the emulator serves through its own DLL.
  EXPECT_EQ(qxApi_GetProductVersionString(), u"08.11.00.00");
  Emulator::ReturnNullText("qxApi_GetProductVersionString");
  EXPECT_EQ(qxApi_GetProductVersionString(), std::nullopt);
}

TEST_F(HostVocabulary, OverloadsReachOneEntryPointWithTheSameArguments) {
  ASSERT_EQ(qxApi_SelectAllEnvs(true), 2);
  EXPECT_EQ(Observe([] { qxApi_GetEnvStringProperty(EnvironmentProperty::Desc, 1); }),
            "qxApi_GetEnvStringProperty(6, 1)");
  EXPECT_EQ(Observe([] { qxApi_GetEnvStringProperty(6, 1); }), "qxApi_GetEnvStringProperty(6, 1)");
  EXPECT_EQ(qxApi_GetEnvStringProperty(6, 1),
            qxApi_GetEnvStringProperty(EnvironmentProperty::Desc, 1));
  // The integer overload passes numbers that EnvironmentProperty does not name.
  EXPECT_EQ(Observe([] { qxApi_GetEnvStringProperty(99, 0); }),
            "qxApi_GetEnvStringProperty(99, 0)");
  EXPECT_EQ(qxApi_GetEnvNumericProperty(2, 0),
            qxApi_GetEnvNumericProperty(EnvironmentProperty::TableID, 0));

  // Both overloads of the SQL column getter: the same host call, or the same missing entry
  // point while the emulator does not serve it.
  std::string byEnum = Observe([] {
    qxApi_SqlSelectDataBufGetStringProperty(0, SqlSelectProperties::SQLSELECT_COLUMN_NAME, 2);
  });
  EXPECT_EQ(byEnum, Observe([] { qxApi_SqlSelectDataBufGetStringProperty(0, 4, 2); }));
  EXPECT_THAT(byEnum, HasSubstr("qxApi_SqlSelectDataBufGetStringProperty"));
}

TEST_F(HostVocabulary, FileNameCrossesAsTheCallersEightBitBytes) {
  Guid folder, document;
  Emulator::ClearCallLog();
  EXPECT_FALSE(qxApi_GetGuidsFromFileName("C:\\Work\\\xC4rger \xFF.txt", &folder, &document));
  EXPECT_THAT(Emulator::CallLog(),
              ElementsAre(R"(qxApi_GetGuidsFromFileName("C:\x5cWork\x5c\xc4rger \xff.txt"))"));

  // A name in the ANSI code page finds the document whose file it names.
  std::string ansi = platform::ToAnsi(u"C:\\Work\\Übersicht.pdf");
  ASSERT_TRUE(qxApi_GetGuidsFromFileName(ansi.c_str(), &folder, &document));
  EXPECT_EQ(folder, kFolderGuid);
  EXPECT_EQ(document, kDocumentGuid);
}

TEST_F(HostVocabulary, GuidGetterCopiesTheHostsGuidAndRefusesNull) {
  HostHandle buffer = qxApi_SelectDocumentDataBuffer(3, 1);
  ASSERT_NE(buffer, 0);
  constexpr int32_t kDocGuid = int32_t(DocumentProperty::DocGuid);
  constexpr int32_t kProjGuid = int32_t(DocumentProperty::ProjGuid);
  EXPECT_EQ(qxApi_DmsDataBufferGetGuidProperty(buffer, kDocGuid, 0), kDocumentGuid);
  EXPECT_EQ(qxApi_DmsDataBufferGetGuidProperty(buffer, kProjGuid, 0), kFolderGuid);
  try {
    qxApi_DmsDataBufferGetGuidProperty(buffer, kDocGuid, 1);
    ADD_FAILURE() << "a null GUID pointer must not become a GUID";
  } catch (const HostResultError& error) {
    EXPECT_THAT(error.what(), HasSubstr("qxApi_DmsDataBufferGetGuidProperty"));
  }
  qxApi_DmsDataBufferFree(buffer);
}

TEST_F(HostVocabulary, UnservedEntryPointsRaiseInEveryLibrary) {
  struct Case {
    const char* entry;
    const char* library;
    std::function<void()> call;
  };
  const Case cases[] = {
      {"qxOApi_ImportXmlSchema", "kelcore.dll", [] { qxOApi_ImportXmlSchema(u"a.xsd", 1, 0); }},
      {"qxApi_ValidateDesignFile", "kelview.dll", [] { qxApi_ValidateDesignFile(u"a.dgn"); }},
      {"qxApi_CleanFilePath", "kelbase.dll", [] { qxApi_CleanFilePath(u"a", nullptr, 0); }},
      {"qxApi_ShowInfoMessage", "kelctl.dll", [] { qxApi_ShowInfoMessage(0, u"t", u"m"); }},
      {"workspace_getItemCountInDataBuffer", "OvManagedWorkspace.dll",
       [] { workspace_getItemCountInDataBuffer(0); }},
  };
  for (const Case& c : cases) {
    try {
      c.call();
      ADD_FAILURE() << c.entry << " is not served and must raise";
    } catch (const HostBindingError& error) {
      EXPECT_EQ(error.reason(), HostBindingError::Reason::EntryPointMissing) << c.entry;
      EXPECT_THAT(error.what(), HasSubstr(std::string("'") + c.entry + "' in DLL '" + c.library))
          << c.entry;
    }
  }
  EXPECT_EQ(qxApi_SelectProject(3), 1) << "the failures leave the binding usable";
}

TEST_F(HostVocabulary, HiddenEntryPointRaisesThenBindsOnceShown) {
  Emulator::HideEntryPoint("qxApi_GetAPIVersion");
  EXPECT_THROW(qxApi_GetAPIVersion(), HostBindingError);
  EXPECT_EQ(qxApi_GetProductVersionString(), u"08.11.00.00") << "its neighbours stay bound";
  Emulator::HideEntryPoint("qxApi_GetAPIVersion", false);
  EXPECT_EQ(qxApi_GetAPIVersion(), (8 << 16) | 11);
}

// One hook of each signature; each records what it received and answers through pResult.
struct HookCall {
  int32_t hookId = 0, hookType = 0, aParam2 = 0;
  intptr_t aParam1 = 0;
};
HookCall g_lastHookCall;

int32_t TARNWICK_HOSTAPI PlainHook(int32_t hookId, int32_t hookType, int32_t aParam1,
                                   int32_t aParam2, int32_t* pResult) {
  g_lastHookCall = {hookId, hookType, aParam2, aParam1};
  *pResult = aParam1 + aParam2;
  return int32_t(HookActions::QXHOOK_SUCCESS);
}

int32_t TARNWICK_HOSTAPI DocumentHook(int32_t hookId, int32_t hookType, QxDocumentsParam* aParam1,
                                      int32_t aParam2, int32_t* pResult) {
  g_lastHookCall = {hookId, hookType, aParam2, reinterpret_cast<intptr_t>(aParam1)};
  *pResult = aParam1->lpDocuments.lDocumentId;
  aParam1->iParam1 = 42;  // a document hook may change the host's parameter block
  return int32_t(HookActions::QXHOOK_CALL_DEFAULT);
}

int32_t TARNWICK_HOSTAPI GenericHook(int32_t hookId, int32_t hookType, HostHandle ppDocsParam,
                                     int32_t aParam2, int32_t* pResult) {
  g_lastHookCall = {hookId, hookType, aParam2, ppDocsParam};
  *pResult = *reinterpret_cast<const int32_t*>(ppDocsParam);
  return int32_t(HookActions::QXHOOK_ERROR);
}

TEST_F(HostVocabulary, HooksOfAllThreeSignaturesRoundTrip) {
  const int32_t login = int32_t(HookIdentifiers::QXHOOK_LOGIN);
  const int32_t copyOut = int32_t(HookIdentifiers::QXHOOK_COPYOUT_DOCUMENT);
  const int32_t menu = int32_t(HookIdentifiers::QXHOOK_EXEC_MENU_COMMAND);
  const int32_t post = int32_t(HookTypes::QXPOSTHOOK);
  const int32_t pre = int32_t(HookTypes::QXPREHOOK);
  ASSERT_TRUE(qxApi_AddHook(login, post, &PlainHook));
  ASSERT_TRUE(qxApi_AddHook(copyOut, pre, &DocumentHook));
  ASSERT_TRUE(qxApi_AddHook(menu, HookTypes::QXACTIONHOOK, &GenericHook));
  EXPECT_THAT(
      Emulator::CallsOf("qxApi_AddHook"),
      ElementsAre("qxApi_AddHook(1002, 3)", "qxApi_AddHook(" + std::to_string(copyOut) + ", 1)",
                  "qxApi_AddHook(3039, 2)"));

  int32_t result = 0;
  EXPECT_EQ(Emulator::CallHooks(login, post, 40, 2, &result), 0);
  EXPECT_EQ(result, 42);
  EXPECT_EQ(g_lastHookCall.hookId, login);
  EXPECT_EQ(g_lastHookCall.hookType, post);

  QxDocumentsParam documents;
  documents.iCount = 1;
  documents.lpDocuments = {3, 7};
  EXPECT_EQ(Emulator::CallHooks(copyOut, pre, reinterpret_cast<intptr_t>(&documents), 5, &result),
            3);
  EXPECT_EQ(result, 7);
  EXPECT_EQ(documents.iParam1, 42);
  EXPECT_EQ(g_lastHookCall.aParam2, 5);

  int32_t command = int32_t(MenuCommandIds::IDMD_OPEN);
  EXPECT_EQ(Emulator::CallHooks(menu, 2, reinterpret_cast<intptr_t>(&command), 0, &result), 1);
  EXPECT_EQ(result, 30501);
  EXPECT_EQ(Emulator::CallHooks(menu, post, 0, 0, &result), -1) << "no hook of that type";
}

TEST(HostKernel32, EnvironmentFunctionsBindTheNarrowForms) {
  const char* name = "TARNWICK_VOCABULARY_TEST";
  ASSERT_TRUE(detail::SetEnvironmentVariable(name, "C:\\bin;D:\\x"));
  char value[32] = {};
  EXPECT_EQ(detail::GetEnvironmentVariable(name, value, sizeof value), 11u);
  EXPECT_STREQ(value, "C:\\bin;D:\\x");
  EXPECT_EQ(detail::GetEnvironmentVariable(name, value, 4), 12u) << "the size it needs";
  ASSERT_TRUE(detail::SetEnvironmentVariable(name, nullptr));
  EXPECT_EQ(detail::GetEnvironmentVariable(name, value, sizeof value), 0u);
}

// Two names for one value are one value; flag sets are unsigned and combine bitwise.
static_assert(SQLSelectDBColumnTypes::DateTime == SQLSelectDBColumnTypes::SQLTimeStamp);
static_assert(int32_t(SQLSelectDBColumnTypes::SQLBoolean) == 22 &&
              SQLSelectDBColumnTypes::SQLBit == SQLSelectDBColumnTypes::SQLBoolean);
static_assert(ProjectCopyDeleteAndExportFlags::DelManagedWorkspaceVars ==
              ProjectCopyDeleteAndExportFlags::CopyWorkflow);
static_assert(ProjectCopyDeleteAndExportFlags::CopyResources ==
                  ProjectCopyDeleteAndExportFlags::ExportEmptyProjects &&
              ProjectCopyDeleteAndExportFlags::CopyWorkspaceProfile ==
                  ProjectCopyDeleteAndExportFlags::ExportRefsToMaster);
static_assert(FetchDocumentFlags::View == FetchDocumentFlags::NoAuditTrail &&
              uint32_t(FetchDocumentFlags::View) == 0x80000);
static_assert(uint32_t(FetchDocumentFlags::REDLINED_REFERENCES) == 0x80000000u);
static_assert(std::is_same_v<std::underlying_type_t<FetchDocumentFlags>, uint32_t> &&
              std::is_same_v<std::underlying_type_t<MenuCommandIds>, uint32_t> &&
              std::is_same_v<std::underlying_type_t<ProjectProperty>, int32_t>);
static_assert((FetchDocumentFlags::CopyOut | FetchDocumentFlags::Lock) == FetchDocumentFlags(0xa));
static_assert((~LinkDataSelectFlags{} & LinkDataSelectFlags::DocGuid) ==
              LinkDataSelectFlags::DocGuid);
static_assert(int32_t(AuditTrailActions::QXDMSAT_ACT_USER_CONNCOUNT) == -671 &&
              int32_t(DatasourceStatisticsProperty::STAT_PROP_LAST) == 61);
static_assert(DocumentProperty::Name == DocumentProperty(20) &&
              ProjectProperty::Name == ProjectProperty(12));

// The records whose layout does not depend on the pointer size.
static_assert(sizeof(QxDocItem) == 8 && sizeof(_QXEALINKAGE) == 16);
static_assert(sizeof(_FINDDOC_RESULTCOL) == 16 && offsetof(_FINDDOC_RESULTCOL, lValue) == 8 &&
              offsetof(_FINDDOC_RESULTCOL, int64Value) == 8);
static_assert(offsetof(QXODSPickList, sSelect) == 16 &&
              offsetof(QXODSPickList, bForceToList) == 2068);

TEST(HostRecords, PickListTextsStayWithinTheirField) {
  QXODSPickList list;
  SetPickListText(list.sSelect, u"select code, value from picks");
  EXPECT_EQ(GetPickListText(list.sSelect), u"select code, value from picks");

  std::u16string exact(1024, u'x');
  SetPickListText(list.sFileName, exact + u"yz");
  EXPECT_EQ(GetPickListText(list.sFileName), exact) << "cut to 1024 units";
  EXPECT_EQ(list.sFileName[1024], u'\0');

  // A surrogate pair across the cut goes whole: no half character is left behind.
  std::u16string pairAtCut = std::u16string(1023, u'x') + u"\U0001F309";
  SetPickListText(list.sFunction, pairAtCut);
  EXPECT_EQ(GetPickListText(list.sFunction), std::u16string(1023, u'x'));

  // Shorter text after longer leaves nothing of the old behind.
  SetPickListText(list.sFileName, u"a.csv");
  EXPECT_EQ(GetPickListText(list.sFileName), u"a.csv");
  EXPECT_EQ(list.sFileName[1000], u'\0');

  // A field that the host filled to the end without a zero is read to its end, not beyond.
  std::fill(std::begin(list.sSelect), std::end(list.sSelect), u'q');
  EXPECT_EQ(GetPickListText(list.sSelect), std::u16string(1025, u'q'));
}

}  // namespace
}  // namespace Tarnwick
