// The fixed-layout records that the Orvane client API exchanges with its callers, and the three
// hook signatures it calls back through.
//
//   OvWrapper::VaultDescriptor folder;  // every field zero until set
//   folder.Flags = uint32_t(OvWrapper::VaultDescriptorFlags::Name);
//   folder.VaultID = 3;
//   folder.Name = u"Bridge 12";
//   OvWrapper::qxApi_ModifyProject2(&folder);
//
// Each record is laid out field after field at natural alignment, as the host's 32-bit client
// reads it; the win32 build checks the size and every offset (binding/record_layout.cpp). Text
// fields point to zero-terminated text that the caller owns and keeps alive for the call: UTF-16
// where the host's record takes UTF-16, 8-bit text in the ANSI code page (const char*) where it
// takes that. QXODSPickList holds its texts inline; SetPickListText and GetPickListText keep
// them within their 1025 units. The records of the criteria search (CompactPropertyReference to
// _FINDDOC_RESULTS) are declared for completeness; the toolkit neither builds nor reads them.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "tarnwick/guid.h"
#include "tarnwick/host_types.h"
#include "tarnwick/ov_enums.h"

namespace Tarnwick::OvWrapper {

// A folder's description for qxApi_ModifyProject2; Flags says which fields are set (bits of
// VaultDescriptorFlags).
struct VaultDescriptor {
  uint32_t Flags = 0;
  int32_t VaultID = 0;
  int32_t EnvironmentID = 0;
  int32_t ParentID = 0;
  int32_t StorageID = 0;
  int32_t ManagerID = 0;
  int32_t TypeID = 0;
  int32_t WorkflowID = 0;
  const char16_t* Name = nullptr;
  const char16_t* Description = nullptr;
  int32_t ManagerType = 0;
  int32_t WorkspaceProfileId = 0;
  Guid GuidVault;
  int32_t ComponentClassId = 0;
  int32_t ComponentinstanceId = 0;
  uint32_t projFlagMask = 0;
  uint32_t projFlags = 0;
};

// The fields of VaultDescriptor with 8-bit text, for qxApi_SelectProjectDataBufferByStruct,
// qxApi_CreateRichProject and qxApi_UpgradeFolderToRichProject; ulFlags holds bits of
// QxProjItemFlags.
struct QxProjItem {
  uint32_t ulFlags = 0;
  int32_t lProjectId = 0;
  int32_t lEnvironmentId = 0;
  int32_t lParentId = 0;
  int32_t lStorageId = 0;
  int32_t lManagerId = 0;
  int32_t lTypeId = 0;
  int32_t lWorkflowId = 0;
  const char* lptstrName = nullptr;
  const char* lptstrDesc = nullptr;
  int32_t lManagerType = 0;
  int32_t lWorkspaceProfileId = 0;
  Guid guidVault;
  int32_t lComponentClassId = 0;
  int32_t lComponentInstanceId = 0;
  uint32_t projFlagMask = 0;
  uint32_t projFlags = 0;
};

// One document: its folder (project) id and its id within that folder.
struct QxDocItem {
  int32_t lProjectId = 0;
  int32_t lDocumentId = 0;
};

// The same two fields under the name _QXEALINKAGE uses.
struct _QXDOC_ITEM {
  int32_t lProjectId = 0;
  int32_t lDocumentId = 0;
};

struct _QXEALINKAGE {
  int32_t lLinkageType = 0;
  _QXDOC_ITEM documentId;
  int32_t lEnvironmentId = 0;
};

// A handle field that belongs to the host: callers of the record can neither read nor set it.
class HostPrivateHandle {
  HostHandle value_ = 0;
};

// The parameter block a document hook receives. Despite its name, lpDocuments holds the first
// document inline.
struct QxDocumentsParam {
  uint32_t uiMask = 0;
  int32_t iCount = 0;
  QxDocItem lpDocuments;
  int32_t iParam1 = 0;
  uint32_t uiFlags = 0;
  int32_t iParam2 = 0;
  const char* sComment = nullptr;
  HostPrivateHandle hProcessedDocuments;
};

// A new document for qxApi_CreateDocument2. The host writes the working file's name into
// lptstrWorkingFile, a buffer of lBufferSize characters; ulFlags holds DocumentCreationFlag bits.
struct DocumentCreateParam {
  uint32_t ulMask = 0;
  int32_t lProjectId = 0;
  int32_t lDocumentId = 0;
  int32_t lFileType = 0;
  int32_t lItemType = 0;
  int32_t lApplicationId = 0;
  int32_t lDepartmentId = 0;
  const char* lpctstrFileName = nullptr;
  const char* lpctstrName = nullptr;
  char* lptstrWorkingFile = nullptr;
  int32_t lBufferSize = 0;
  uint32_t ulFlags = 0;
  int32_t lWorkspaceProfileId = 0;
  HostBool bLeaveOut = 0;
  int32_t lAttributeId = 0;
  Guid guidProject;
  Guid guidDocument;
};

// A document's new properties for qxApi_ModifyDocument2.
struct DocumentParameters {
  uint32_t ulMask = 0;
  int32_t ProjectId = 0;
  int32_t DocumentId = 0;
  int32_t FileType = 0;
  int32_t ItemType = 0;
  int32_t ApplicationId = 0;
  int32_t DepartmentId = 0;
  const char16_t* FileName = nullptr;
  const char16_t* Name = nullptr;
  const char16_t* Description = nullptr;
  int32_t WorkspaceProfileId = 0;
  Guid GuidDoc;
  uint32_t ItemFlagMask = 0;
  uint32_t ItemFlags = 0;
  const char16_t* MimeType = nullptr;
  const char16_t* Revision = nullptr;
  const char16_t* Version = nullptr;
};

// One attribute's place on an attribute form, for qxApi_CreateEnvAttrGuiDef; lGuiFlags holds
// EnvAttributeGuiFlags bits.
struct QXDMSEATRGUIDEF {
  uint32_t ulFlags = 0;
  int32_t lEnvironmentId = 0;
  int32_t lTableId = 0;
  int32_t lColumnId = 0;
  int32_t lGuiId = 0;
  int32_t lPageNo = 0;
  int32_t lTabOrder = 0;
  const char* lpctstrLabel = nullptr;
  const char* lpctstrLabelFont = nullptr;
  int32_t lLabelFontH = 0;
  int32_t lLabelX = 0;
  int32_t lLabelY = 0;
  int32_t lLabelWidth = 0;
  int32_t lLabelHeight = 0;
  int32_t lEditX = 0;
  int32_t lEditY = 0;
  int32_t lEditWidth = 0;
  int32_t lEditHeight = 0;
  const char* lpctstrPrompt = nullptr;
  int32_t lGuiFlags = 0;
};

// An attribute's edit definition.
struct QXEATTRDEF {
  int32_t iControlType = 0;
  int32_t iEditFontHeight = 0;
  int32_t iFieldFlags = 0;
  int32_t iDefaultValueType = 0;
  int32_t iFieldLength = 0;
  int32_t iFieldAccess = 0;
  int32_t iValueListType = 0;
  const char* sEditFont = nullptr;
  const char* sDefaultValue = nullptr;
  const char* sFieldFormat = nullptr;
  const char* sValueListSource = nullptr;
  const char* sExtra1 = nullptr;
  const char* sExtra2 = nullptr;
  const char* sExtra3 = nullptr;
  const char* sExtra4 = nullptr;
  const char* sExtra5 = nullptr;
};

// An inline text field of QXODSPickList: at most 1024 UTF-16 units and a terminating zero.
inline constexpr size_t kPickListTextSize = 1025;
using PickListText = char16_t[kPickListTextSize];

// The pick list of an object-data-store attribute, filled by
// qxOApi_GetAttributePicklistDefinition; lPicklistType is a QXODSPickListType value.
struct QXODSPickList {
  int32_t lPicklistType = 0;
  int32_t lPicklistClassId = 0;
  int32_t lPicklistCodeAttrId = 0;
  int32_t lPicklistValueAttrId = 0;
  PickListText sSelect = {};
  HostBool bForceToList = 0;
  PickListText sFileName = {};
  PickListText sFunction = {};
  int32_t lUpdateOnEditSiblingsFlags = 0;
};

// Writes text into an inline field, zero-terminated. Text longer than 1024 units is cut to
// 1024, or to 1023 where the 1024th unit would be the first half of a surrogate pair: the field
// never ends in half a character.
inline void SetPickListText(PickListText& field, std::u16string_view text) {
  size_t length = std::min(text.size(), kPickListTextSize - 1);
  if (length < text.size() && length > 0 && text[length - 1] >= 0xD800 &&
      text[length - 1] <= 0xDBFF && text[length] >= 0xDC00 && text[length] <= 0xDFFF) {
    --length;
  }
  text.copy(field, length);
  std::fill(field + length, field + kPickListTextSize, u'\0');
}

// The text of an inline field, up to its first zero; a field the host filled to the last unit
// without a zero yields all 1025 units, never more.
inline std::u16string GetPickListText(const PickListText& field) {
  size_t length = 0;
  while (length < kPickListTextSize && field[length] != u'\0') ++length;
  return std::u16string(field, length);
}

// ---- Records of the host's criteria-based document search --------------------------------------

// A document property to return: its property set and name or number, and the result type.
struct CompactPropertyReference {
  Guid guidPropertySet;
  const char* sPropertyName = nullptr;
  uint32_t uiPropertyID = 0;
  uint32_t uiResultType = 0;
};

// uiPropertyCount property references; sProperty is the first of them, the rest follow it in
// the caller's allocation.
struct DocumentProperties_stc {
  uint32_t uiPropertyCount = 0;
  QueryResultFlags eResultFlags = QueryResultFlags::Unfiltered;
  CompactPropertyReference sProperty[1];
};

// The same bytes seen as the property list, as raw bytes, or as property references.
union DocumentRequestColumns {
  DocumentProperties_stc properties;
  uint8_t padding[sizeof(DocumentProperties_stc)];
  CompactPropertyReference columns[1];
};

// One typed result cell: the value at offset 8, read through the member that dwType names.
struct _FINDDOC_RESULTCOL {
  uint32_t dwType = 0;
  uint32_t __padding = 0;
  union {
    int32_t lValue;
    uint32_t ulValue;
    uint64_t uint64Value;
    uint64_t int64Value;
  };
};

// One result row: dwColumnCount cells at pCol.
struct _FINDDOC_RESULT {
  uint32_t dwColumnCount = 0;
  _FINDDOC_RESULTCOL* pCol = nullptr;
};

// The whole result: dwRowCount rows at pRow.
struct _FINDDOC_RESULTS {
  uint32_t dwRowCount = 0;
  _FINDDOC_RESULT* pRow = nullptr;
};

// ---- Hooks, registered with qxApi_AddHook ------------------------------------------------------
//
// The host calls a hook with its HookIdentifiers and HookTypes values and two parameters, and
// reads the hook's result through pResult; the function's own result is a HookActions value.
// A hook must stay valid for as long as the host keeps it registered.

using HookFunction = int32_t(TARNWICK_HOSTAPI*)(int32_t hookId, int32_t hookType, int32_t aParam1,
                                                int32_t aParam2, int32_t* pResult);
using DoumentHookFunction = int32_t(TARNWICK_HOSTAPI*)(int32_t hookId, int32_t hookType,
                                                       QxDocumentsParam* aParam1, int32_t aParam2,
                                                       int32_t* pResult);
using GenericHookFunction = int32_t(TARNWICK_HOSTAPI*)(int32_t hookId, int32_t hookType,
                                                       HostHandle ppDocsParam, int32_t aParam2,
                                                       int32_t* pResult);

}  // namespace Tarnwick::OvWrapper
