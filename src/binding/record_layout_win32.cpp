// The host's records as its 32-bit client lays them out: the size and every field's offset,
// checked when the shipped 32-bit library is compiled (this file is part of the win32 build
// only). It also shows that the host vocabulary compiles after <windows.h>, whose macros take
// some of the host's names (IDOK, DELETE, ...).
#include "platform/windows.h"

#include <cstddef>

#include "tarnwick/ov_host_api.h"

namespace Tarnwick::OvWrapper {
namespace {

static_assert(sizeof(void*) == 4, "the 32-bit layout is checked in the 32-bit build");

#define TW_AT(record, field, offset) \
  static_assert(offsetof(record, field) == (offset), #record "::" #field " is out of place")

static_assert(sizeof(VaultDescriptor) == 80);
TW_AT(VaultDescriptor, Flags, 0);
TW_AT(VaultDescriptor, VaultID, 4);
TW_AT(VaultDescriptor, EnvironmentID, 8);
TW_AT(VaultDescriptor, ParentID, 12);
TW_AT(VaultDescriptor, StorageID, 16);
TW_AT(VaultDescriptor, ManagerID, 20);
TW_AT(VaultDescriptor, TypeID, 24);
TW_AT(VaultDescriptor, WorkflowID, 28);
TW_AT(VaultDescriptor, Name, 32);
TW_AT(VaultDescriptor, Description, 36);
TW_AT(VaultDescriptor, ManagerType, 40);
TW_AT(VaultDescriptor, WorkspaceProfileId, 44);
TW_AT(VaultDescriptor, GuidVault, 48);
TW_AT(VaultDescriptor, ComponentClassId, 64);
TW_AT(VaultDescriptor, ComponentinstanceId, 68);
TW_AT(VaultDescriptor, projFlagMask, 72);
TW_AT(VaultDescriptor, projFlags, 76);

static_assert(sizeof(QxProjItem) == 80);
TW_AT(QxProjItem, ulFlags, 0);
TW_AT(QxProjItem, lProjectId, 4);
TW_AT(QxProjItem, lEnvironmentId, 8);
TW_AT(QxProjItem, lParentId, 12);
TW_AT(QxProjItem, lStorageId, 16);
TW_AT(QxProjItem, lManagerId, 20);
TW_AT(QxProjItem, lTypeId, 24);
TW_AT(QxProjItem, lWorkflowId, 28);
TW_AT(QxProjItem, lptstrName, 32);
TW_AT(QxProjItem, lptstrDesc, 36);
TW_AT(QxProjItem, lManagerType, 40);
TW_AT(QxProjItem, lWorkspaceProfileId, 44);
TW_AT(QxProjItem, guidVault, 48);
TW_AT(QxProjItem, lComponentClassId, 64);
TW_AT(QxProjItem, lComponentInstanceId, 68);
TW_AT(QxProjItem, projFlagMask, 72);
TW_AT(QxProjItem, projFlags, 76);

static_assert(sizeof(QxDocItem) == 8);
TW_AT(QxDocItem, lProjectId, 0);
TW_AT(QxDocItem, lDocumentId, 4);

static_assert(sizeof(_QXDOC_ITEM) == 8);
TW_AT(_QXDOC_ITEM, lProjectId, 0);
TW_AT(_QXDOC_ITEM, lDocumentId, 4);

static_assert(sizeof(_QXEALINKAGE) == 16);
TW_AT(_QXEALINKAGE, lLinkageType, 0);
TW_AT(_QXEALINKAGE, documentId, 4);
TW_AT(_QXEALINKAGE, lEnvironmentId, 12);

static_assert(sizeof(QxDocumentsParam) == 36);
TW_AT(QxDocumentsParam, uiMask, 0);
TW_AT(QxDocumentsParam, iCount, 4);
TW_AT(QxDocumentsParam, lpDocuments, 8);
TW_AT(QxDocumentsParam, iParam1, 16);
TW_AT(QxDocumentsParam, uiFlags, 20);
TW_AT(QxDocumentsParam, iParam2, 24);
TW_AT(QxDocumentsParam, sComment, 28);
TW_AT(QxDocumentsParam, hProcessedDocuments, 32);

static_assert(sizeof(DocumentCreateParam) == 92);
TW_AT(DocumentCreateParam, ulMask, 0);
TW_AT(DocumentCreateParam, lProjectId, 4);
TW_AT(DocumentCreateParam, lDocumentId, 8);
TW_AT(DocumentCreateParam, lFileType, 12);
TW_AT(DocumentCreateParam, lItemType, 16);
TW_AT(DocumentCreateParam, lApplicationId, 20);
TW_AT(DocumentCreateParam, lDepartmentId, 24);
TW_AT(DocumentCreateParam, lpctstrFileName, 28);
TW_AT(DocumentCreateParam, lpctstrName, 32);
TW_AT(DocumentCreateParam, lptstrWorkingFile, 36);
TW_AT(DocumentCreateParam, lBufferSize, 40);
TW_AT(DocumentCreateParam, ulFlags, 44);
TW_AT(DocumentCreateParam, lWorkspaceProfileId, 48);
TW_AT(DocumentCreateParam, bLeaveOut, 52);
TW_AT(DocumentCreateParam, lAttributeId, 56);
TW_AT(DocumentCreateParam, guidProject, 60);
TW_AT(DocumentCreateParam, guidDocument, 76);

static_assert(sizeof(DocumentParameters) == 80);
TW_AT(DocumentParameters, ulMask, 0);
TW_AT(DocumentParameters, ProjectId, 4);
TW_AT(DocumentParameters, DocumentId, 8);
TW_AT(DocumentParameters, FileType, 12);
TW_AT(DocumentParameters, ItemType, 16);
TW_AT(DocumentParameters, ApplicationId, 20);
TW_AT(DocumentParameters, DepartmentId, 24);
TW_AT(DocumentParameters, FileName, 28);
TW_AT(DocumentParameters, Name, 32);
TW_AT(DocumentParameters, Description, 36);
TW_AT(DocumentParameters, WorkspaceProfileId, 40);
TW_AT(DocumentParameters, GuidDoc, 44);
TW_AT(DocumentParameters, ItemFlagMask, 60);
TW_AT(DocumentParameters, ItemFlags, 64);
TW_AT(DocumentParameters, MimeType, 68);
TW_AT(DocumentParameters, Revision, 72);
TW_AT(DocumentParameters, Version, 76);

static_assert(sizeof(QXDMSEATRGUIDEF) == 80);
TW_AT(QXDMSEATRGUIDEF, ulFlags, 0);
TW_AT(QXDMSEATRGUIDEF, lEnvironmentId, 4);
TW_AT(QXDMSEATRGUIDEF, lTableId, 8);
TW_AT(QXDMSEATRGUIDEF, lColumnId, 12);
TW_AT(QXDMSEATRGUIDEF, lGuiId, 16);
TW_AT(QXDMSEATRGUIDEF, lPageNo, 20);
TW_AT(QXDMSEATRGUIDEF, lTabOrder, 24);
TW_AT(QXDMSEATRGUIDEF, lpctstrLabel, 28);
TW_AT(QXDMSEATRGUIDEF, lpctstrLabelFont, 32);
TW_AT(QXDMSEATRGUIDEF, lLabelFontH, 36);
TW_AT(QXDMSEATRGUIDEF, lLabelX, 40);
TW_AT(QXDMSEATRGUIDEF, lLabelY, 44);
TW_AT(QXDMSEATRGUIDEF, lLabelWidth, 48);
TW_AT(QXDMSEATRGUIDEF, lLabelHeight, 52);
TW_AT(QXDMSEATRGUIDEF, lEditX, 56);
TW_AT(QXDMSEATRGUIDEF, lEditY, 60);
TW_AT(QXDMSEATRGUIDEF, lEditWidth, 64);
TW_AT(QXDMSEATRGUIDEF, lEditHeight, 68);
TW_AT(QXDMSEATRGUIDEF, lpctstrPrompt, 72);
TW_AT(QXDMSEATRGUIDEF, lGuiFlags, 76);

static_assert(sizeof(QXEATTRDEF) == 64);
TW_AT(QXEATTRDEF, iControlType, 0);
TW_AT(QXEATTRDEF, iEditFontHeight, 4);
TW_AT(QXEATTRDEF, iFieldFlags, 8);
TW_AT(QXEATTRDEF, iDefaultValueType, 12);
TW_AT(QXEATTRDEF, iFieldLength, 16);
TW_AT(QXEATTRDEF, iFieldAccess, 20);
TW_AT(QXEATTRDEF, iValueListType, 24);
TW_AT(QXEATTRDEF, sEditFont, 28);
TW_AT(QXEATTRDEF, sDefaultValue, 32);
TW_AT(QXEATTRDEF, sFieldFormat, 36);
TW_AT(QXEATTRDEF, sValueListSource, 40);
TW_AT(QXEATTRDEF, sExtra1, 44);
TW_AT(QXEATTRDEF, sExtra2, 48);
TW_AT(QXEATTRDEF, sExtra3, 52);
TW_AT(QXEATTRDEF, sExtra4, 56);
TW_AT(QXEATTRDEF, sExtra5, 60);

static_assert(sizeof(QXODSPickList) == 6176);
TW_AT(QXODSPickList, lPicklistType, 0);
TW_AT(QXODSPickList, lPicklistClassId, 4);
TW_AT(QXODSPickList, lPicklistCodeAttrId, 8);
TW_AT(QXODSPickList, lPicklistValueAttrId, 12);
TW_AT(QXODSPickList, sSelect, 16);
TW_AT(QXODSPickList, bForceToList, 2068);
TW_AT(QXODSPickList, sFileName, 2072);
TW_AT(QXODSPickList, sFunction, 4122);
TW_AT(QXODSPickList, lUpdateOnEditSiblingsFlags, 6172);

static_assert(sizeof(CompactPropertyReference) == 28);
TW_AT(CompactPropertyReference, guidPropertySet, 0);
TW_AT(CompactPropertyReference, sPropertyName, 16);
TW_AT(CompactPropertyReference, uiPropertyID, 20);
TW_AT(CompactPropertyReference, uiResultType, 24);

static_assert(sizeof(DocumentProperties_stc) == 36);
TW_AT(DocumentProperties_stc, uiPropertyCount, 0);
TW_AT(DocumentProperties_stc, eResultFlags, 4);
TW_AT(DocumentProperties_stc, sProperty, 8);

static_assert(sizeof(DocumentRequestColumns) == 36);
TW_AT(DocumentRequestColumns, properties, 0);
TW_AT(DocumentRequestColumns, padding, 0);
TW_AT(DocumentRequestColumns, columns, 0);

static_assert(sizeof(_FINDDOC_RESULTCOL) == 16);
TW_AT(_FINDDOC_RESULTCOL, dwType, 0);
TW_AT(_FINDDOC_RESULTCOL, __padding, 4);
TW_AT(_FINDDOC_RESULTCOL, lValue, 8);
TW_AT(_FINDDOC_RESULTCOL, ulValue, 8);
TW_AT(_FINDDOC_RESULTCOL, uint64Value, 8);
TW_AT(_FINDDOC_RESULTCOL, int64Value, 8);

static_assert(sizeof(_FINDDOC_RESULT) == 8);
TW_AT(_FINDDOC_RESULT, dwColumnCount, 0);
TW_AT(_FINDDOC_RESULT, pCol, 4);

static_assert(sizeof(_FINDDOC_RESULTS) == 8);
TW_AT(_FINDDOC_RESULTS, dwRowCount, 0);
TW_AT(_FINDDOC_RESULTS, pRow, 4);

#undef TW_AT

}  // namespace
}  // namespace Tarnwick::OvWrapper
