// The enumerations of the Orvane client API: every property, flag and type number the host
// speaks, nested in OvWrapper under the host's own names and values.
//
//   OvWrapper::qxApi_GetProjectStringProperty(OvWrapper::ProjectProperty::Name, 0);
//   auto flags = OvWrapper::FetchDocumentFlags::CopyOut | OvWrapper::FetchDocumentFlags::Lock;
//
// Numbers that name one value are int32_t; flag sets and masks are uint32_t, and the flag sets
// combine with | & ^ ~. Where the host gives two names to one value both are here (a column
// type of 17 is SQLSelectDBColumnTypes::DateTime and SQLSelectDBColumnTypes::SQLTimeStamp), and
// a value that no member names is still a value the host may pass or return.
#pragma once

#include <cstdint>
#include <type_traits>

// Windows' headers define some of the host's member names as macros (IDOK, DELETE, ...): they
// are set aside here so that this header also compiles after <windows.h>.
#pragma push_macro("IDOK")
#pragma push_macro("IDCANCEL")
#pragma push_macro("IDRETRY")
#pragma push_macro("IDIGNORE")
#pragma push_macro("IDYES")
#pragma push_macro("IDNO")
#pragma push_macro("IDCLOSE")
#pragma push_macro("IDHELP")
#pragma push_macro("DELETE")
#pragma push_macro("DateTime")
#pragma push_macro("Lock")
#pragma push_macro("Size")
#undef IDOK
#undef IDCANCEL
#undef IDRETRY
#undef IDIGNORE
#undef IDYES
#undef IDNO
#undef IDCLOSE
#undef IDHELP
#undef DELETE
#undef DateTime
#undef Lock
#undef Size

namespace Tarnwick::OvWrapper {

// --- Projects and folders ------------------------------------------------------------------------

enum class ProjectTypes : int32_t {
  QXDMS_PROJECT_TYPE_NORMAL = 0,
  QXDMS_PROJECT_TYPE_RICH = 2,
};

enum class ProjectProperty : int32_t {
  ID = 1,
  VersionNo = 2,
  ManagerID = 3,
  StorageID = 4,
  CreatorID = 5,
  UpdaterID = 6,
  WorkflowID = 7,
  StateID = 8,
  Type = 9,
  ArchiveID = 10,
  IsParent = 11,
  Name = 12,
  Desc = 13,
  Code = 14,
  Version = 15,
  CreateTime = 16,
  UpdateTime = 17,
  Config = 18,
  Table = 19,
  EnvironmentID = 21,
  ParentID = 22,
  MgrType = 23,
  Access = 24,
  ProjGuid = 25,
  PprjGuid = 26,
  WSpaceProfID = 27,
  ComponentClassId = 28,
  Flags = 30,
  ComponentInstanceId = 31,
};

enum class ProjectNumericPropertyEnum : int32_t {
  PROJ_PROP_ID = 1,
  PROJ_PROP_VERSIONNO = 2,
  PROJ_PROP_MANAGERID = 3,
  PROJ_PROP_STORAGEID = 4,
  PROJ_PROP_CREATORID = 5,
  PROJ_PROP_UPDATERID = 6,
  PROJ_PROP_WORKFLOWID = 7,
  PROJ_PROP_STATEID = 8,
  PROJ_PROP_TYPE = 9,
  PROJ_PROP_ARCHIVEID = 10,
  PROJ_PROP_ISPARENT = 11,
  PROJ_PROP_ENVIRONMENTID = 21,
  PROJ_PROP_PARENTID = 22,
  PROJ_PROP_MGRTYPE = 23,
};

enum class DmsDataBufferStringPropertyEnum : int32_t {
  PROJ_PROP_NAME = 12,
  PROJ_PROP_DESC = 13,
  PROJ_PROP_CODE = 14,
  PROJ_PROP_VERSION = 15,
  PROJ_PROP_CREATE_TIME = 16,
  PROJ_PROP_UPDATE_TIME = 17,
  DOC_PROP_NAME = 20,
  DOC_PROP_FILENAME = 21,
};

enum class VaultType : int32_t {
  Normal = 0,
  Workspace = 1,
};

enum class VaultDescriptorFlags : uint32_t {
  VaultID = 1,
  EnvironmentID = 2,
  ParentID = 4,
  StorageID = 8,
  ManagerID = 16,
  TypeID = 32,
  Workflow = 64,
  Name = 128,
  Description = 256,
  Configuration = 512,
  ManagerType = 1024,
  WSpaceProfID = 2048,
};

enum class QxProjItemFlags : uint32_t {
  QXDMSPROJF_PROJECTID = 0x1,
  QXDMSPROJF_ENVID = 0x2,
  QXDMSPROJF_PARENTID = 0x4,
  QXDMSPROJF_STORAGEID = 0x8,
  QXDMSPROJF_MANAGERID = 0x10,
  QXDMSPROJF_TYPEID = 0x20,
  QXDMSPROJF_WORKFLOW = 0x40,
  QXDMSPROJF_NAME = 0x80,
  QXDMSPROJF_DESC = 0x100,
  QXDMSPROJF_MGRTYPE = 0x400,
  QXDMSPROJF_WSPACEPROFID = 0x800,
  QXDMSPROJF_GUID = 0x1000,
  QXDMSPROJF_COMPONENT_CLASSID = 0x2000,
  QXDMSPROJF_PROJFLAGS = 0x4000,
  QXDMSPROJF_COMPONENT_INSTANCEID = 0x8000,
  QXDMSPROJF_REQUIREDONCREATE = 0x88,
  QXDMSPROJF_ALL = 0xffff,
};

enum class ProjectResourceTypes : int32_t {
  Application = 1,
  Department = 2,
  Environment = 3,
  StorageArea = 4,
  View = 5,
  Workflow = 6,
  WorkspaceProfile = 7,
};

enum class ProjectCopyDeleteAndExportFlags : uint32_t {
  ExcludeParent = 0x1,
  NoDocuments = 0x2,
  NoSets = 0x4,
  NoRecursion = 0x8,
  Attributes = 0x10,
  NoProjects = 0x20,
  TakeOwnership = 0x40,
  AllowCopyAll = 0x80,
  NoCheckedOut = 0x100,
  SetReferences = 0x200,
  OwnCheckOuts = 0x400,
  NoActiveVersion = 0x800,
  DelManagedWorkspaceVars = 0x1000,
  CopyWorkflow = 0x1000,
  CopyAccess = 0x2000,
  CopyManager = 0x4000,
  CopyStorage = 0x8000,
  CopyEnvironment = 0x10000,
  CopyVersions = 0x20000,
  Components = 0x40000,
  CopySavedSearch = 0x80000,
  CopyResources = 0x100000,
  CopyConfigurationBlocks = 0x200000,
  CopyContents = 0x400000,
  CopyWorkspaceProfile = 0x800000,
  ExportEmptyProjects = 0x100000,
  ExportRootProject = 0x200000,
  ExportUsingProjectDescriptions = 0x400000,
  ExportRefsToMaster = 0x800000,
  ExportGiveOut = 0x1000000,
  ExportOuterRefs = 0x2000000,
  ExportRewriteRefs = 0x4000000,
  ExportShared = 0x8000000,
  ForCopy = 0x10000000,
  NonDMSExport = 0x20000000,
};

// --- Documents -----------------------------------------------------------------------------------

enum class DocumentTypes : int32_t {
  QXDMS_DOCUMENT_FILE_COMMAND = 15,
  QXDMS_DOCUMENT_FILE_REPLACE = 0,
  QXDMS_DOCUMENT_FILE_RENAME = 1,
  QXDMS_DOCUMENT_FILE_ADD = 2,
  QXDMS_DOCUMENT_FILE_KEEP_ITYPE = 16,
};

enum class DocumentType : int32_t {
  Normal = 10,
  History = 11,
  Set = 12,
  Redline = 13,
  ModelerBRP = 14,
  Abstract = 15,
  Unknown = 0,
};

enum class DocumentProperty : int32_t {
  ID = 1,
  VersionNumber = 2,
  ProposalNumber = 3,
  CreatorID = 4,
  UpdaterID = 5,
  UserID = 6,
  Size = 7,
  FileType = 8,
  ItemType = 9,
  StorageID = 10,
  SetID = 11,
  SetType = 12,
  WorkFlowID = 13,
  StateID = 14,
  ApplicationID = 15,
  DepartmentID = 16,
  OriginalNumber = 18,
  IsOutToMe = 19,
  Name = 20,
  FileName = 21,
  Desc = 22,
  Version = 23,
  CreateTime = 24,
  UpdateTime = 25,
  DMSStatus = 26,
  DMSDate = 27,
  Node = 28,
  ProjectID = 29,
  Access = 30,
  IsLogicalSetMaster = 31,
  IsRedlineMaster = 32,
  IsRefMaster = 33,
  HasFinalStatus = 35,
  Manager = 36,
  FileUpdater = 37,
  LastRtLocker = 38,
  ItemFlags = 39,
  FileUpdateTime = 40,
  LastRtLockTime = 41,
  Is3DFile = 51,
  Is2DFile = 52,
  MgrType = 44,
  IsUrl = 45,
  UrlName = 46,
  DocGuid = 47,
  ProjGuid = 48,
  OrigGuid = 49,
  WSpaceProfID = 50,
  FileRevision = 53,
  Overlaps = 54,
  LocationID = 55,
  MIMEType = 56,
  LocationSource = 58,
};

enum class FetchDocumentFlags : uint32_t {
  CheckOut = 0x0,
  Export = 0x1,
  CopyOut = 0x2,
  Refresh = 0x4,
  Lock = 0x8,
  UseUpToDateCopy = 0x10,
  AcceptCheckouts = 0x20,
  CopyOutMasters = 0x40,
  AsSetMembers = 0x1000,
  ExportReferences = 0x2000,
  ChangeSetId = 0x4000,
  UseVaultDirs = 0x8000,
  IgnoreMasters = 0x10000,
  GiveOut = 0x20000,
  MarkAsView = 0x40000,
  View = 0x80000,
  NoAuditTrail = 0x80000,
  AddToMRU = 0x100000,
  IgnoreExport = 0x400000,
  DO_NOT_CHANGE_SET_ID_FOR_CHECKED_OUT_REFERENCES = 0x200000,
  SHARED_CHECKOUT = 0x1000000,
  MASTER_AS_SET = 0x10000000,
  IGNORE_REDLINE_REL = 0x20000000,
  NESTED_REFERENCES = 0x40000000,
  REDLINED_REFERENCES = 0x80000000,
  SEND_TO_FOLDER = 0x20100,
  SHARED_EXPORT = 0x1000001,
};

enum class DocumentCreationFlag : uint32_t {
  Default = 0x0,
  NoAttributeRecord = 0x1,
  CreateAttributeRecord = 0x2,
  NoAuditTrail = 0x4,
};

enum class DocumentDeleteMasks : int32_t {
  None = 0,
  NoSetChild = 1,
  NoSetParent = 2,
  MoveAction = 4,
  IncludeVersions = 8,
};

enum class NewVersionCreationFlags : uint32_t {
  None = 0x0,
  CopyAttrs = 0x1,
  KeepRelations = 0x2,
};

enum class CreateVersionsFromSourceFlags : uint32_t {
  QXRULEO_ADD_SOURCE_ATTRS = 0x1,
  QXRULEO_REMOVE_TARGET_ATTRS = 0x2,
  QXRULEO_APPLY_SOURCE_NAME = 0x4,
  QXRULEO_APPLY_SOURCE_FNAME = 0x8,
  QXRULEO_NO_UPDATE = 0x10,
  QXRULEO_NO_WIZARDS = 0x20,
  QXRULEO_RECREATE_RELATIONS = 0x40,
  QXRULEO_SKIP_SAME_TABLE_ATTRS = 0x80,
  QXRULEO_INCLUDE_VERSIONS = 0x100,
};

enum class DocumentCopyFlags : uint32_t {
  QXDMS_DOCCOPY_CAN_OVERWRITE = 0x1,
  QXDMS_DOCCOPY_ATTRS = 0x2,
  QXDMS_DOCCOPY_NO_ATTRS = 0x4,
  QXDMS_DOCCOPY_NO_SETITEM = 0x8,
  QXDMS_DOCCOPY_MOVE = 0x10,
  QXDMS_DOCCOPY_NOFILE = 0x20,
  QXDMS_DOCCOPY_NO_HOOKS = 0x10000,
  QXDMS_DOCCOPY_LOG_MOVE = 0x20000,
  QXDMS_DOCCOPY_INCLUDE_VERSIONS = 0x40000,
  QXDMS_DOCCOPY_COPY_ACCESS = 0x80000,
  QXDMS_DOCCOPY_MOVE_NO_VERSIONS = 0x100000,
  QXDMS_DOCCOPY_COPY_CONFBLOCKS = 0x200000,
  QXDMS_DOCCOPY_COPYVERSIONSTR = 0x400000,
};

enum class DocumentOperations : int32_t {
  QXOPER_DOC_FIRST = 1000,
  QXOPER_DOC_CREATE = 1000,
  QXOPER_DOC_CREATE_LEAVE_OUT = 1001,
  QXOPER_DOC_COPY = 1002,
  QXOPER_DOC_MOVE = 1003,
  QXOPER_DOC_DELETE = 1004,
  QXOPER_DOC_MODIFY = 1005,
  QXOPER_DOC_CHECKOUT = 1006,
  QXOPER_DOC_COPYOUT = 1007,
  QXOPER_DOC_EXPORT = 1008,
  QXOPER_DOC_CHECKIN = 1009,
  QXOPER_DOC_CHECKIN_LEAVE_COPY = 1010,
  QXOPER_DOC_CREATE_LINK_DATA = 1030,
  QXOPER_DOC_UPDATE_LINK_DATA = 1031,
  QXOPER_DOC_DELETE_LINK_DATA = 1032,
};

enum class AttributeCopyFlags : uint32_t {
  None = 0x0,
  IgnoreEnvironmentCopyOptions = 0x1,
  CopyCodeFields = 0x2,
  SkipCopyInSameEnvironment = 0x4,
};

enum class CodeDefinitionType : int32_t {
  All = -1,
  PartOfCode = 1,
  DocumentCodePlaceHolder = 2,
  AdditionalDocumentCode = 3,
  RevisionPlaceHolder = 4,
};

enum class DocumentCodeDefinitionProperty : int32_t {
  EnvironmentID = 1,
  TableID = 2,
  ColumnID = 3,
  Type = 4,
  SerialType = 5,
  Flags = 6,
  OrderNumber = 7,
  ConnectString = 8,
};

enum class DocumentCodeDefinitionFlag : uint32_t {
  AllowEmpty = 2,
};

enum class DocumentCodeSerialType : int32_t {
  None = 0,
  Number = 1,
  UsedWith = 2,
};

// --- Environments, attributes, tables, columns, interfaces and link data -------------------------

enum class EnvironmentProperty : int32_t {
  ID = 1,
  TableID = 2,
  Flags = 3,
  AttrNo = 4,
  Name = 5,
  Desc = 6,
  ViewID = 7,
};

enum class EnvironmentInfo : int32_t {
  ENV_PROP_ID = 1,
  ENV_PROP_TABLEID = 2,
  ENV_PROP_FLAGS = 3,
  ENV_PROP_ATTRNO = 4,
  ENV_PROP_NAME = 5,
  ENV_PROP_DESC = 6,
  ENV_PROP_VIEWID = 7,
};

enum class EnvTriggerProperty : int32_t {
  EnvironmentID = 1,
  TableID = 2,
  ColumnID = 3,
  TriggeredColumnID = 4,
  OrderNumber = 5,
  ValueType = 6,
  Value = 7,
};

enum class AttributeDefinitionProperty : int32_t {
  EnvironmentID = 1,
  TableID = 2,
  ColumnID = 3,
  ControlType = 4,
  EditFontHeight = 5,
  FieldFlags = 6,
  DefaultValueType = 7,
  FieldLength = 8,
  FieldAccess = 9,
  ValueListType = 10,
  EditFont = 11,
  DefaultValue = 12,
  FieldFormat = 13,
  ValueListSource = 14,
  Extra1 = 15,
  Extra2 = 16,
  Extra3 = 17,
  Extra4 = 18,
  Extra5 = 19,
};

enum class AttributeParameterFlags : int32_t {
  Unique = 1,
  Required = 2,
  EditableIfFinal = 16,
  MultiSelect = 64,
  LimitToList = 128,
  CopyClearNewSheet = 4096,
  CopyClearInEnvironment = 8192,
  CopyClearOutEnvironment = 16384,
  CopyClearOutDatabase = 32768,
};

enum class AttributeDefaultValueTypes : int32_t {
  None = 0,
  Fixed = 1,
  Select = 2,
  SystemVariable = 3,
  Function = 4,
};

enum class AttributeLinkageTypes : int32_t {
  QXDMS_EALNK_DOCUMENT = 1,
  QXDMS_EALNK_ENVIRONMENT = 2,
};

enum class EnvAttributeGuiFlags : uint32_t {
  ENVIRONMENTID = 1,
  TABLEID = 2,
  COLUMNID = 4,
  GUIID = 8,
  PAGENO = 16,
  TABORDER = 32,
  LABEL = 64,
  LABELFONT = 128,
  LABELFONT_HEIGHT = 256,
  LABEL_X = 512,
  LABEL_Y = 1024,
  LABEL_WIDTH = 2048,
  LABEL_HEIGHT = 4096,
  EDIT_X = 8192,
  EDIT_Y = 16384,
  EDIT_WIDTH = 32768,
  EDIT_HEIGHT = 65536,
  PROMPT = 131072,
  GUIFLAGS = 262144,
  REQUIRED = 15,
};

enum class EnvAttrGuiProps : int32_t {
  ENVIRONMENTID = 1,
  TABLEID = 2,
  COLUMNID = 3,
  GUIID = 4,
  PAGENO = 5,
  TABORDER = 6,
  LABELFONT_HEIGHT = 7,
  LABEL_X = 8,
  LABEL_Y = 9,
  LABEL_WIDTH = 10,
  LABEL_HEIGHT = 11,
  EDIT_X = 12,
  EDIT_Y = 13,
  EDIT_WIDTH = 14,
  EDIT_HEIGHT = 15,
  GUIFLAGS = 16,
  LABEL = 17,
  LABELFONT = 18,
  PROMPT = 19,
};

enum class GuiProperty : int32_t {
  Id = 1,
  Name = 2,
  Desc = 3,
};

enum class TableProperty : int32_t {
  Id = 1,
  Type = 2,
  Name = 3,
  Desc = 4,
};

enum class ColumnProperty : int32_t {
  ColumnID = 1,
  TableID = 2,
  SQLType = 3,
  Precision = 4,
  Scale = 5,
  Type = 6,
  Length = 7,
  Unique = 8,
  Name = 9,
  Desc = 10,
  Format = 11,
};

enum class DatabaseTableType : int32_t {
  Table = 0,
  View = 1,
};

enum class ValueListProperty : int32_t {
  EnvironmentID = 1,
  TableID = 2,
  ColumnID = 3,
  ValueID = 4,
  Value = 5,
  Description = 6,
};

enum class LinkDataSpecialColsIds : int32_t {
  QXDMSLINKDATACOL_PROJECTNO = -2,
  QXDMSLINKDATACOL_DOCUMENTNO = -3,
  QXDMSLINKDATACOL_UNIQUEVALUE = -4,
  QXDMSLINKDATACOL_CREATORNO = -5,
  QXDMSLINKDATACOL_CREATETIME = -6,
  QXDMSLINKDATACOL_UPDATERNO = -7,
  QXDMSLINKDATACOL_UPDATETIME = -8,
  QXDMSLINKDATACOL_DOCGUID = -9,
};

enum class ObjectTypeForLinkData : int32_t {
  None = 0,
  DocumentByProject = 1,
  Document = 2,
  DocumentByWorkspace = 3,
  DocumentBySet = 4,
  DocumentByAttrRec = 5,
};

enum class LinkDataSelectFlags : uint32_t {
  Creator = 0x1,
  CreateTime = 0x2,
  Updater = 0x4,
  UpdateTime = 0x8,
  SysColsOnly = 0x10,
  DocGuid = 0x20,
};

enum class LinkDataProperty : int32_t {
  TableID = 1,
  ColumnID = 2,
  ColumnType = 3,
  ColumnLength = 4,
  ColumnName = 5,
  ColumnFormat = 6,
  ColumnDescription = 7,
  ColumnNativeType = 8,
};

enum class LinkProperty : int32_t {
  VaultID = 1,
  DocumentID = 2,
  TableID = 3,
  ColumnID = 4,
  ColumnValue = 5,
  DocGuid = 6,
};

// --- Users, groups, user lists, departments, storages and access control -------------------------

enum class UserProperty : int32_t {
  ID = 1,
  Name = 2,
  Desc = 3,
  Password = 4,
  Email = 5,
  Type = 6,
  SecProvider = 7,
  Flags = 8,
  CreateDate = 9,
};

enum class UserProperties : int32_t {
  Name = 0,
  Desc = 1,
  Password = 2,
  Email = 3,
  Type = 4,
  SecProvider = 5,
};

enum class UserType : int32_t {
  DMSUser = 0,
  NTUser = 1,
};

enum class GroupProperty : int32_t {
  ID = 1,
  Name = 2,
  Desc = 3,
  Type = 4,
  SecProvider = 5,
};

enum class UserListProperty : int32_t {
  ID = 1,
  Name = 2,
  Description = 3,
  Type = 4,
  Owner = 5,
};

enum class UserListMemberProperty : int32_t {
  ListID = 1,
  MemberType = 2,
  MemberID = 3,
};

enum class UserListTypes : int32_t {
  UserList = 1,
  AddressBook = 2,
};

enum class MemberTypes : int32_t {
  User = 1,
  Group = 2,
  UserList = 3,
  AllUsers = 4,
};

enum class ManagerTypes : int32_t {
  User = 1,
  Group = 2,
  UserList = 3,
  AllUsers = 4,
};

enum class ManagerTypeProperty : int32_t {
  None = 0,
  User = 1,
  Group = 2,
  UserList = 3,
  AllUsers = 4,
};

enum class DepartmentProperty : int32_t {
  ID = 1,
  Name = 2,
  Desc = 3,
  DisplayName = 4,
};

enum class StorageProperty : int32_t {
  ID = 1,
  Name = 2,
  Desc = 3,
  Node = 4,
  Path = 5,
  Protocol = 6,
  DisplayName = 7,
};

enum class AccessFolderRights : int32_t {
  SECURITYOBJECT = 1,
  FULLCONTROL = 2,
  CHANGEPERMISSIONS = 3,
  CREATESUBFOLDER = 4,
  DELETE = 5,
  READ = 6,
  WRITE = 7,
  NOACCESS = 8,
  FOLDER_ACCESS = 1,
  DOCUMENT_ACCESS = 2,
};

enum class AccessDocumentRights : int32_t {
  SECURITYOBJECT = 2,
  DOCFULLCONTROL = 3,
  DOCCHANGEPERMISSIONS = 4,
  DOCDELETE = 5,
  DOCREAD = 7,
  DOCWRITE = 6,
  DOCFILEREAD = 8,
  DOCFILEWRITE = 9,
  DOCNOACCESS = 10,
};

enum class AccessControlSelectionFlags : uint32_t {
  IgnoreParents = 0x1,
  IgnoreEnvironment = 0x2,
  IgnoreDefault = 0x4,
  ExactMatch = 0x8,
  IgnoreUserSettings = 0x10,
  AllWorkflowStates = 0x20,
  IgnoreObjAcce = 0x10000,
};

enum class AccessObjectType : int32_t {
  UserIgnoresAccessCtrl = 0,
  EnvironmentProject = 1,
  Project = 2,
  EnvironmentDocument = 3,
  Document = 4,
  ODSComponent = 5,
};

enum class AccessObjectTypes : int32_t {
  QXDMSAOTYPE_ENV_PROJ = 1,
  QXDMSAOTYPE_PROJECT = 2,
  QXDMSAOTYPE_ENV_DOC = 3,
  QXDMSAOTYPE_DOCUMENT = 4,
  QXDMSAOTYPE_ODS_COMPONENT = 5,
};

enum class AccessObjectProperty : int32_t {
  ObjType = 1,
  ObjID1 = 2,
  ObjID2 = 3,
  Workflow = 4,
  State = 5,
  MemberType = 6,
  MemberId = 7,
  AccessMask = 8,
  ObjGUID = 9,
};

enum class AccessMaskFlags : uint32_t {
  None = 0x0,
  Control = 0x1,
  Write = 0x2,
  Read = 0x4,
  FileWrite = 0x8,
  FileRead = 0x10,
  Create = 0x20,
  Delete = 0x40,
  Full = 0xffff,
};

enum class AccessMasks : uint32_t {
  None = 0x0,
  Control = 0x1,
  Write = 0x2,
  Read = 0x4,
  FWrite = 0x8,
  FRead = 0x10,
  Create = 0x20,
  Delete = 0x40,
  Free = 0x80,
  ChangeWorkflowState = 0x100,
  Full = 0xffff,
  Owner = 0x200,
};

enum class AccessUserProperty : int32_t {
  UserID = 1,
  AccessMask = 2,
};

enum class ObjectTypes : int32_t {
  UserIgnoresAccessControl = 0,
  EnvProject = 1,
  Project = 2,
  EnvDoc = 3,
  Document = 4,
  Components = 5,
};

// --- Workflows and states ------------------------------------------------------------------------

enum class WorkflowTypes : int32_t {
  QXDMS_WORKFLOW_PROJECT = 1,
  QXDMS_WORKFLOW_DOCUMENT = 2,
  QXDMS_WORKFLOW_BOTH = 3,
};

enum class WorkflowProperty : int32_t {
  ID = 1,
  Type = 2,
  Name = 3,
  Desc = 4,
};

enum class StateProperty : int32_t {
  ID = 1,
  Name = 2,
  Desc = 3,
};

enum class WorkflowStateProperty : int32_t {
  WorkflowID = 1,
  StateID = 2,
  PreviousState = 3,
  NextState = 4,
};

// --- Applications --------------------------------------------------------------------------------

enum class ApplicationProperty : int32_t {
  ID = 1,
  Name = 2,
  ViewerId = 3,
};

enum class ApplActionProperty : int32_t {
  APPLACTION_PROP_APPLICATION_ID = 1,
  APPLACTION_PROP_USER_ID = 2,
  APPLACTION_PROP_ACTION_TYPE = 3,
  APPLACTION_PROP_FLAGS = 4,
  APPLACTION_PROP_PROGRAM_CLASS = 5,
  APPLACTION_PROP_EXECUTABLE_PATH = 6,
  APPLACTION_PROP_PROGRAM_NAME = 7,
  APPLACTION_PROP_ARGUMENTS = 8,
  APPLACTION_PROP_IS_DEFAULT = 9,
};

enum class ApplicationActionTypesIndices : int32_t {
  DMS_APPLACTION_OPEN = 0,
  DMS_APPLACTION_VIEW = 1,
  DMS_APPLACTION_REDLINE = 2,
  DMS_APPLACTION_PRINT = 3,
  DMS_APPLACTION_SCANREFS = 4,
};

// --- Data sources --------------------------------------------------------------------------------

enum class DataSourceType : int32_t {
  Unknown = 0,
  RIS = 1,
  ODBC = 2,
  Informix = 3,
  Ingres = 4,
  Oracle = 5,
  SqlAnywhere = 6,
  SqlServer = 7,
  Sybase = 8,
  DB2 = 9,
  Optinet = 10,
  Solid = 11,
  ODBC_Informix = 12,
  ODBC_Ingres = 16,
  ODBC_Oracle = 20,
  ODBC_SqlAnywhere = 24,
  ODBC_SqlServer = 28,
  ODBC_Sybase = 32,
  ODBC_DB2 = 36,
  ODBC_Solid = 44,
};

enum class DatasourceStatisticsProperty : int32_t {
  STAT_PROP_LAST_UPDATED = 0,
  STAT_PROP_USER_COUNT = 1,
  STAT_PROP_GROUP_COUNT = 2,
  STAT_PROP_MIN_USERS_PER_GROUP = 3,
  STAT_PROP_MAX_USERS_PER_GROUP = 4,
  STAT_PROP_AVG_USERS_PER_GROUP = 5,
  STAT_PROP_POPULATED_FOLDER_COUNT = 6,
  STAT_PROP_MIN_DOCS_PER_FOLDER = 7,
  STAT_PROP_MAX_DOCS_PER_FOLDER = 8,
  STAT_PROP_AVG_DOCS_PER_FOLDER = 9,
  STAT_PROP_ITEMS_WITH_AUDIT_RECS = 10,
  STAT_PROP_MIN_AUDIT_RECS_PER_FOLDER = 11,
  STAT_PROP_MAX_AUDIT_RECS_PER_FOLDER = 12,
  STAT_PROP_AVG_AUDIT_RECS_PER_FOLDER = 13,
  STAT_PROP_MIN_REFERENCE_ATTACHMENTS = 14,
  STAT_PROP_MAX_REFERENCE_ATTACHMENTS = 15,
  STAT_PROP_AVG_REFERENCE_ATTACHMENTS = 16,
  STAT_PROP_MAX_FOLDER_DEPTH = 17,
  STAT_PROP_MIN_FOLDER_DEPTH = 18,
  STAT_PROP_AVG_FOLDER_DEPTH = 19,
  STAT_PROP_STORAGE_COUNT = 20,
  STAT_PROP_FOLDER_COUNT = 21,
  STAT_PROP_PROJECT_COUNT = 22,
  STAT_PROP_RICHPROJECT_COUNT = 23,
  STAT_PROP_DOC_COUNT = 24,
  STAT_PROP_AUDIT_COUNT = 25,
  STAT_PROP_ENVIRONMENT_COUNT = 26,
  STAT_PROP_VIEW_COUNT = 27,
  STAT_PROP_PROPERTY_COUNT = 28,
  STAT_PROP_WORKFLOW_COUNT = 29,
  STAT_PROP_THUMB_COUNT = 30,
  STAT_PROP_QUERY_COUNT = 31,
  STAT_PROP_ACCESSCONTROL_COUNT = 32,
  STAT_PROP_MASTERFILE_COUNT = 33,
  STAT_PROP_DEPARTMENT_COUNT = 34,
  STAT_PROP_STATE_COUNT = 35,
  STAT_PROP_ODS_CLASS_COUNT = 36,
  STAT_PROP_MAX_DOC_FILE_SIZE = 37,
  STAT_PROP_MIN_DOC_FILE_SIZE = 38,
  STAT_PROP_AVG_DOC_FILE_SIZE = 39,
  STAT_PROP_DOCS_PROCESSING = 40,
  STAT_PROP_DOCS_PROCESSED = 41,
  STAT_PROP_DOCS_WITH_THUMB = 42,
  STAT_PROP_DOCS_WITHOUT_THUMB = 43,
  STAT_PROP_DOCS_NOT_PROCESSED = 44,
  STAT_PROP_EMPTY_FOLDER_COUNT = 45,
  STAT_PROP_ATTRIBUTE_COUNT = 46,
  STAT_PROP_MIN_ATTRIBUTES_PER_ENV = 47,
  STAT_PROP_MAX_ATTRIBUTES_PER_ENV = 48,
  STAT_PROP_AVG_ATTRIBUTES_PER_ENV = 49,
  STAT_PROP_CHKL_REC_COUNT = 50,
  STAT_PROP_ORPHANED_THUMB_COUNT = 51,
  STAT_PROP_DOCS_WITH_FPROPS_COUNT = 52,
  STAT_PROP_AFP_FTR_DOCS_PROCESSED = 53,
  STAT_PROP_AFP_FTR_DOCS_UNPROCESSED = 54,
  STAT_PROP_AFP_FTR_DOCS_PROCESSING = 55,
  STAT_PROP_AFP_THUMB_DOCS_PROCESSED = 56,
  STAT_PROP_AFP_THUMB_DOCS_UNPROCESSED = 57,
  STAT_PROP_AFP_THUMB_DOCS_PROCESSING = 58,
  STAT_PROP_AFP_FPROP_DOCS_PROCESSED = 59,
  STAT_PROP_AFP_FPROP_DOCS_UNPROCESSED = 60,
  STAT_PROP_AFP_FPROP_DOCS_PROCESSING = 61,
  STAT_PROP_LAST = 61,
};

enum class DatasourceGenericSettings : int32_t {
  QXDMS_GEN = 100,
  QXDMS_GEN_CREATE_ON_FIRST_STATE = 102,
  QXDMS_GEN_CAN_CHANGE_VERSION_STATE = 103,
  QXDMS_GEN_USE_RECYCLE_BIN = 104,
  QXDMS_GEN_CREATE_DOC_ON_STATE = 105,
  QXDMS_GEN_GDR = 106,
  QXDMS_GEN_COMMON_ENVIRONMENT = 107,
  QXDMS_GEN_VERSION_FLAGS = 108,
  QXDMS_GEN_FIRST_VERSION_NO = 109,
  QXDMS_GEN_DOC_STATE_CHANGE_FLAGS = 110,
  QXDMS_GEN_NOTIFY_ABOUT_EVENT_SUCCESS = 111,
  QXDMS_GEN_AUDT_DOC_TRACE = 112,
  QXDMS_GEN_AUDT_VLT_TRACE = 113,
  QXDMS_GEN_AUDT_SET_TRACE = 114,
  QXDMS_GEN_AUDT_TRUNCATE = 115,
  QXDMS_GEN_AUDT_TRUNCATE_PARAM = 116,
  QXDMS_GEN_AUDT_TRUNCATE_TIME_UNITS = 117,
  QXDMS_GEN_AUDT_TRUNCATE_USE_TABLE = 118,
  QXDMS_GEN_AUDT_TRUNCATE_TABLE_NAME = 119,
  QXDMS_GEN_FORCE_CASE_INSENS_FIND_DOCS = 120,
  QXDMS_GEN_CAN_MOVE_VERSIONS = 121,
  QXDMS_GEN_ENG_COMP_ENABLED = 122,
  QXDMS_GEN_SAVED_SEARCH_FOLDER = 123,
  QXDMS_GEN_IMAGES_FOLDER = 124,
  QXDMS_GEN_MRU_ITEMS_TO_SHOW = 125,
  QXDMS_GEN_MRU_TRUNCATE_VALUE = 126,
  QXDMS_GEN_MRU_TRUNCATE_UNITS = 127,
  QXDMS_GEN_DATASOURCE_GUID = 128,
  QXDMS_GEN_DEFAULT_RIGHTS_ADD_EVERYONE = 129,
  QXDMS_GEN_DEFAULT_RIGHTS_CLASS_MASK = 130,
  QXDMS_GEN_DEFAULT_RIGHTS_ATTRIBUTE_MASK = 131,
  QXDMS_GEN_DEFAULT_RIGHTS_METHOD_MASK = 132,
  QXDMS_GEN_SPATIAL_NEW_FOLDER_INHERIT = 138,
  QXDMS_GEN_SPATIAL_NEW_DOC_INHERIT = 139,
  QXDMS_GEN_WEB_DEFAULT_SERVER = 140,
  QXDMS_GEN_USE_UNION_BASED_FIND_DOCS = 141,
  QXDMS_GEN_SHAREPOINT_DEFAULT_SERVER = 142,
  QXDMS_GEN_PUBLISHER_DEFAULT_SERVER = 143,
  QXDMS_GEN_TEMPLATES_FOLDER = 144,
  QXDMS_GEN_SHAREABLE_DOCUMENTS = 145,
  QXDMS_GEN_DEFAULT_WEB_VIEWER = 146,
  QXDMS_GEN_ENABLE_DELTA_FILE_XFER = 148,
  QXDMS_GEN_ENABLE_REQUEST_COMPRESSION = 149,
  QXDMS_GEN_DESIGN_COMPARE_ADDRESS = 150,
  QXDMS_GEN_ALLOW_SAME_WORKING_DIR = 152,
  QXDMS_GEN_UPDATE_ACC_ON_DOC_DEL = 153,
  QXDMS_GEN_VERSIONING_RULES = 156,
  QXDMS_GEN_COPY_AUDIT_TRAIL = 157,
  QXDMS_GEN_PROJ_COPY_EVENTS = 159,
  QXDMS_GEN_DOC_COPY_EVENTS = 160,
  QXDMS_GEN_ENABLE_FT_CONNECTION_CACHE = 161,
  QXDMS_GEN_RESTRICTED_ADMIN_GROUP = 162,
  QXDMS_GEN_ENABLE_ACL_EDITOR = 163,
  QXDMS_GEN_FORCE_DOC_NAME_LOCKING = 164,
  QXDMS_GEN_GRANT_IMPLICIT_OWNER_ACL = 165,
};

// --- SQL selects ---------------------------------------------------------------------------------

enum class SqlSelectProperties : int32_t {
  SQLSELECT_COLUMN_TYPE = 1,
  SQLSELECT_COLUMN_NATIVE_TYPE = 2,
  SQLSELECT_COLUMN_LENGTH = 3,
  SQLSELECT_COLUMN_NAME = 4,
};

enum class SQLSelectOvTypes : int32_t {
  Long = 24,
  String = 12,
  Double = 7,
  Guid = 21,
  Short = 4,
  Integer = 3,
  SQLReal = 6,
};

enum class SQLSelectDBColumnTypes : int32_t {
  SQLUnknown = 0,
  SQLNumeric = 1,
  OracleNumber = 2,
  SQLDecimal = 2,
  SQLInteger = 3,
  SQLSmallInt = 4,
  SQLFloat = 5,
  SQLReal = 6,
  SQLDouble = 7,
  SQLDateTime = 8,
  Char = 9,
  SQLChar = 9,
  VarChar = 10,
  SQLVarChar = 10,
  SQLLongVarChar = 11,
  WChar = 12,
  SQLWChar = 12,
  VarWChar = 13,
  SQLVarWChar = 13,
  SQLLongVarWChar = 14,
  SQLDate = 15,
  SQLTime = 16,
  DateTime = 17,
  SQLTimeStamp = 17,
  SQLBinary = 18,
  SQLVarBinary = 19,
  SQLLongVarBinary = 20,
  SQLGuid = 21,
  SQLBoolean = 22,
  SQLBit = 22,
  SQLBigInt = 23,
  SQL_C_SBigInt = 24,
  SQL_C_UBigInt = 25,
  SQLTinyInt = 26,
  SQL_C_TimeSpan = 27,
};

// --- Views ---------------------------------------------------------------------------------------

enum class ViewProperties : int32_t {
  VIEW_PROP_ID = 1,
  VIEW_PROP_VIEWTYPE = 2,
  VIEW_PROP_USERID = 3,
  VIEW_PROP_NAME = 4,
  VIEW_PROP_CONTEXT = 5,
  VIEW_PROP_IS_GLOBAL = 6,
};

enum class ViewColumnProperties : int32_t {
  VIEWCOLS_PROP_ID = 1,
  VIEWCOLS_PROP_VIEWID = 2,
  VIEWCOLS_PROP_USERID = 3,
  VIEWCOLS_PROP_FIELDTYPE = 4,
  VIEWCOLS_PROP_CONTEXT = 5,
  VIEWCOLS_PROP_DATATYPE = 6,
  VIEWCOLS_PROP_FIELDNAME = 7,
  VIEWCOLS_PROP_ORDERNO = 8,
  VIEWCOLS_PROP_ALIGNMENT = 9,
  VIEWCOLS_PROP_WIDTH = 10,
  VIEWCOLS_PROP_SORTORDER = 11,
  VIEWCOLS_PROP_SORTDIR = 12,
  VIEWCOLS_PROP_DISPLAY_NAME = 13,
};

// --- Sets and references -------------------------------------------------------------------------

enum class SetTypeMasks : uint32_t {
  Flat = 0x10000,
  Logical = 0x20000,
  Redline = 0x80000,
  Ref = 0x100000,
  Satellite = 0x200000,
  All = 0xff0000,
};

enum class SetType : int32_t {
  Unknown = 0,
  Flat = 2,
  Logical = 3,
};

enum class SetRelationType : int32_t {
  Sibling = 2,
  Redline = 3,
  Reference = 4,
};

enum class TypeMask : int32_t {
  Flat = 65536,
  Logical = 131072,
  Redline = 524288,
  Ref = 1048576,
  All = 2031616,
};

enum class SetProperty : int32_t {
  ID = 1,
  MemberId = 2,
  Type = 3,
  ParentProjectId = 4,
  ParentItemId = 5,
  ChildProjectId = 6,
  ChildItemId = 7,
  Relation = 8,
  Transfer = 9,
  SetProjectID = 10,
  SetItemId = 11,
  SDocGuid = 12,
  PDocGuid = 13,
  CDocGuid = 14,
};

enum class ReferenceListFlags : uint32_t {
  FromReferenceInfo = 0x1,
  FromSetInfo = 0x2,
  AllowSelfReferences = 0x4,
};

enum class ReferenceInformationProperty : int32_t {
  ElementIDUint64 = 1,
  MasterGUID = 2,
  MasterModelID = 3,
  ReferenceGUID = 4,
  ReferenceModelID = 5,
  NestDepth = 6,
  ReferenceType = 7,
  Flags = 8,
};

// --- Saved queries and search criteria -----------------------------------------------------------

enum class SavedQueryProperty : int32_t {
  SQRY_PROP_QUERYID = 1,
  SQRYC_PROP_CRITERIONID = 2,
  SQRYC_PROP_ORGROUPNUMBER = 3,
  SQRYC_PROP_FLAGS = 4,
  SQRYC_PROP_PROPERTYSET = 5,
  SQRYC_PROP_PROPERTYNAME = 6,
  SQRYC_PROP_PROPERTYID = 7,
  SQRYC_PROP_RELATION = 8,
  SQRYC_PROP_FIELDTYPE = 9,
  SQRYC_PROP_FIELDVALUE = 10,
};

enum class QueryProperty : int32_t {
  QRY_DOC_PROP_NONE = 0,
  QRY_DOC_PROP_ENVIRONMENT_ID = 1,
  QRY_DOC_PROP_PROJ_ID = 2,
  QRY_DOC_PROP_PROJ_NAME = 3,
  QRY_DOC_PROP_PROJ_DESC = 4,
  QRY_DOC_PROP_FILENAME = 5,
  QRY_DOC_PROP_NAME = 6,
  QRY_DOC_PROP_DESC = 7,
  QRY_DOC_PROP_VERSION = 8,
  QRY_DOC_PROP_VERSIONSEQ = 9,
  QRY_DOC_PROP_CREATORID = 10,
  QRY_DOC_PROP_UPDATERID = 11,
  QRY_DOC_PROP_DMSSTATUS = 12,
  QRY_DOC_PROP_LASTUSERID = 13,
  QRY_DOC_PROP_FILETYPE = 14,
  QRY_DOC_PROP_ITEMTYPE = 15,
  QRY_DOC_PROP_STORAGEID = 16,
  QRY_DOC_PROP_WORKFLOWID = 17,
  QRY_DOC_PROP_STATEID = 18,
  QRY_DOC_PROP_APPLICATIONID = 19,
  QRY_DOC_PROP_DEPARTMENTID = 20,
  QRY_DOC_PROP_INCSUBVAULTS = 21,
  QRY_DOC_PROP_FINAL_STATUS = 22,
  QRY_DOC_PROP_FINAL_USER = 23,
  QRY_DOC_PROP_FINAL_DATE = 24,
  QRY_DOC_PROP_LOCATIONID = 25,
  QRY_DOC_PROP_FILE_REVISION = 26,
  QRY_DOC_PROP_OVERLAPS = 27,
  QRY_DOC_PROP_MIMETYPE = 28,
  QRY_DOC_PROP_ID = 101,
  QRY_DOC_PROP_PROPOSALNO = 102,
  QRY_DOC_PROP_SIZE = 103,
  QRY_DOC_PROP_SETID = 104,
  QRY_DOC_PROP_SETTYPE = 105,
  QRY_DOC_PROP_ORIGINALNO = 106,
  QRY_DOC_PROP_IS_OUT_TO_ME = 107,
  QRY_DOC_PROP_CREATE_TIME = 108,
  QRY_DOC_PROP_UPDATE_TIME = 109,
  QRY_DOC_PROP_DMSDATE = 110,
  QRY_DOC_PROP_NODE = 111,
  QRY_DOC_PROP_ACCESS = 112,
  QRY_DOC_PROP_MANAGERID = 113,
  QRY_DOC_PROP_FILE_UPDATERID = 114,
  QRY_DOC_PROP_LAST_RT_LOCKERID = 115,
  QRY_DOC_PROP_ITEM_FLAGS = 116,
  QRY_DOC_PROP_FILE_UPDATE_TIME = 117,
  QRY_DOC_PROP_LAST_RT_LOCK_TIME = 118,
  QRY_DOC_PROP_MGRTYPE = 119,
  QRY_DOC_PROP_DOCGUID = 120,
  QRY_DOC_PROP_PROJGUID = 121,
  QRY_DOC_PROP_ORIGGUID = 122,
  QRY_DOC_PROP_PROJ_VERSIONNO = 125,
  QRY_DOC_PROP_PROJ_MANAGERID = 126,
  QRY_DOC_PROP_PROJ_STORAGEID = 127,
  QRY_DOC_PROP_PROJ_CREATORID = 128,
  QRY_DOC_PROP_PROJ_UPDATERID = 129,
  QRY_DOC_PROP_PROJ_WORKFLOWID = 130,
  QRY_DOC_PROP_PROJ_STATEID = 131,
  QRY_DOC_PROP_PROJ_TYPE = 132,
  QRY_DOC_PROP_PROJ_ARCHIVEID = 133,
  QRY_DOC_PROP_PROJ_ISPARENT = 134,
  QRY_DOC_PROP_PROJ_CODE = 135,
  QRY_DOC_PROP_PROJ_VERSION = 136,
  QRY_DOC_PROP_PROJ_CREATE_TIME = 137,
  QRY_DOC_PROP_PROJ_UPDATE_TIME = 138,
  QRY_DOC_PROP_PROJ_CONFIG = 139,
  QRY_DOC_PROP_PROJ_PARENTID = 140,
  QRY_DOC_PROP_PROJ_MGRTYPE = 141,
  QRY_DOC_PROP_PROJ_ACCESS = 142,
  QRY_DOC_PROP_PROJ_PROJGUID = 143,
  QRY_DOC_PROP_PROJ_PPRJGUID = 144,
  QRY_PROP_ACCUMULATED_TEXTS = 200,
  QRY_PROP_DATASOURCE_GUID = 201,
  QRY_PROP_VIEW_ID = 250,
  QRY_DOC_PROP_CHECKOUT_USERID = 301,
  QRY_DOC_PROP_CHECKOUT_NODE = 302,
  QRY_DOC_PROP_CHECKOUT_COUTTIME = 303,
  QRY_FTR_PROP_SEARCH_TEXT = 1,
  QRY_FTR_PROP_SCOPE_ID = 2,
};

enum class QueryResultFlags : uint32_t {
  Unfiltered = 0x0,
  NoDocVersions = 0x1,
  VersionsBySetting = 0x2,
  VersionFieldMask = 0x3,
};

enum class RestrictionRelation : int32_t {
  DMS_RELATION_NONE = 0,
  DMS_RELATION_EQUAL = 1,
  DMS_RELATION_NOTEQUAL = 2,
  DMS_RELATION_LESSTHAN = 3,
  DMS_RELATION_GREATERTHAN = 4,
  DMS_RELATION_GREATEROREQUAL = 5,
  DMS_RELATION_LESSOREQUAL = 6,
  DMS_RELATION_BETWEEN = 7,
  DMS_RELATION_ISNULL = 8,
  DMS_RELATION_ISNOTNULL = 9,
  DMS_RELATION_ISLIKE = 10,
  DMS_RELATION_IN = 11,
  DMS_RELATION_NOTIN = 12,
  DMS_RELATION_INNERJOIN = 13,
  DMS_RELATION_LEFTOUTERJOIN = 14,
  DMS_RELATION_RIGHTOUTERJOIN = 15,
  DMS_RELATION_ISNOTLIKE = 16,
  DMS_RELATION_NOTBETWEEN = 17,
  DMS_RELATION_NODE_OR_SUBNODE = 18,
  DMS_RELATION_DERIVED_TYPE = 19,
  DMS_RELATION_EXPRESSION = 1024,
  DMS_RELATION_INCL_PHRASE = 5000,
  DMS_RELATION_INCL_ANYWORD = 5001,
  DMS_RELATION_INCL_ALLWORDS = 5002,
  DMS_RELATION_INCL_NONEOFWORDS = 5003,
  DMS_RELATION_SUBQUERY_COLUMN = 6001,
  DMS_RELATION_UNION_ALL = 6002,
  DMS_RELATION_SUBORGROUP = 7003,
  DMS_RELATION_SUBANDGROUP = 7004,
};

enum class CriteriaGroupType : uint32_t {
  GT_RESTRICTION = 0x0,
  GT_JOIN = 0x1,
  GT_ROWSET_ID = 0x2,
  GT_SUBQUERY = 0x3,
  GT_FREE_TEXT = 0x4,
  GT_UNION = 0x5,
  GT_QRY_SPLIT = 0x6,
  GT_FIELD_MASK = 0x7,
};

enum class CriteriaValueType : uint32_t {
  VT_SINGLE_VALUE = 0x0,
  VT_NO_VALUE = 0x8,
  VT_VALUE_ARRAY = 0x10,
  VT_PROPERTY_ID = 0x18,
  VT_VALUE_BLOB = 0x1000,
  VT_FIELD_MASK = 0xf018,
};

enum class CriteriaUsageType : uint32_t {
  UT_REGULAR = 0x0,
  UT_UI_HINT_ONLY = 0x20,
  UT_OVERLAY = 0x60,
  UT_SUBQUERY_TAG = 0xa0,
  UT_SUBGROUP_TAG = 0xc0,
  UT_FIELD_MASK = 0xfe0,
};

enum class CriteriaFlags : uint32_t {
  GT_RESTRICTION = 0x0,
  GT_JOIN = 0x1,
  GT_ROWSET_ID = 0x2,
  GT_SUBQUERY = 0x3,
  GT_FREE_TEXT = 0x4,
  GT_UNION = 0x5,
  GT_QRY_SPLIT = 0x6,
  GT_FIELD_MASK = 0x7,
  VT_SINGLE_VALUE = 0x0,
  VT_NO_VALUE = 0x8,
  VT_VALUE_ARRAY = 0x10,
  VT_PROPERTY_ID = 0x18,
  VT_VALUE_BLOB = 0x1000,
  VT_FIELD_MASK = 0xf018,
  UT_REGULAR = 0x0,
  UT_UI_HINT_ONLY = 0x20,
  UT_OVERLAY = 0x60,
  UT_SUBQUERY_TAG = 0xa0,
  UT_SUBGROUP_TAG = 0xc0,
  UT_FIELD_MASK = 0xfe0,
};

enum class CriterionDataType : int32_t {
  QXDMS_ATTRFORM_DATATYPE_STRING = 1,
  QXDMS_ATTRFORM_DATATYPE_INT = 2,
  QXDMS_ATTRFORM_DATATYPE_UINT = 3,
  QXDMS_ATTRFORM_DATATYPE_FLOAT = 4,
  QXDMS_ATTRFORM_DATATYPE_DATE_TO_DAY = 5,
  QXDMS_ATTRFORM_DATATYPE_DATE_TO_SEC = 6,
  QXDMS_ATTRFORM_DATATYPE_STRING_AS_DATE_TO_DAY = 7,
  QXDMS_ATTRFORM_DATATYPE_STRING_AS_DATE_TO_SEC = 8,
  QXDMS_ATTRFORM_DATATYPE_GUID = 9,
  QXDMS_ATTRFORM_DATATYPE_BIGINT = 10,
  QXDMS_ATTRFORM_DATATYPE_UBIGINT = 11,
  QXDMS_ATTRFORM_DATATYPE_TIMESPAN = 12,
};

// --- Hooks, menu commands, dialogs, lists and trees ----------------------------------------------

enum class HookActions : int32_t {
  QXHOOK_SUCCESS = 0,
  QXHOOK_ERROR = 1,
  QXHOOK_CALL_NEXT_IN_CHAIN = 2,
  QXHOOK_CALL_DEFAULT = 3,
};

enum class HookIdentifiers : int32_t {
  QXDMSHOOK_FIRST = 1002,
  QXHOOK_LOGIN = 1002,
  QXHOOK_LOGOUT = 1003,
  QXHOOK_CREATE_PROJECT = 1102,
  QXHOOK_MOVE_PROJECT = 1103,
  QXHOOK_DELETE_PROJECT = 1104,
  QXHOOK_MODIFY_PROJECT = 1105,
  QXHOOK_PROJECT_WORKFLOW = 1106,
  QXHOOK_CHECKOUT_PROJECT = 1107,
  QXHOOK_COPYOUT_PROJECT = 1108,
  QXHOOK_PURGE_PROJECT = 1109,
  QXHOOK_EXPORT_PROJECT = 1110,
  QXHOOK_UPGRADE_PROJECT_TO_RICHPRJ = 1111,
  QXHOOK_DOWNGRADE_PROJECT_TO_FOLDER = 1112,
  QXHOOK_CREATE_DOCUMENT = 1202,
  QXHOOK_MOVE_DOCUMENT = 1203,
  QXHOOK_DELETE_DOCUMENT = 1204,
  QXHOOK_MODIFY_DOCUMENT = 1205,
  QXHOOK_CHECKOUT_DOCUMENT = 1206,
  QXHOOK_COPYOUT_DOCUMENT = 1207,
  QXHOOK_EXPORT_DOCUMENT = 1208,
  QXHOOK_CHECKIN_DOCUMENT = 1209,
  QXHOOK_PURGE_DOCUMENT_COPY = 1210,
  QXHOOK_FREE_DOCUMENT = 1211,
  QXHOOK_REFRESH_DOC_SERV_COPY = 1212,
  QXHOOK_REFRESH_DOCUMENT_COPY = 1213,
  QXHOOK_CHANGE_DOC_VERSION = 1214,
  QXHOOK_CHANGE_DOC_STATE = 1215,
  QXHOOK_CREATE_REDLINE_DOC = 1216,
  QXHOOK_UPDATE_LINK_DATA = 1217,
  QXHOOK_DELETE_LINK_DATA = 1218,
  QXHOOK_LOCK_DOCUMENT = 1219,
  QXHOOK_ADD_DOCUMENT_FILE = 1220,
  QXHOOK_DELETE_DOCUMENT_FILE = 1221,
  QXHOOK_CHANGE_DOCUMENT_FILE = 1222,
  QXHOOK_FETCH_MULTIDOCS = 1223,
  QXHOOK_DELETE_DOCUMENT_EXT = 1224,
  QXHOOK_DELETE_DOCUMENTS = 1225,
  QXHOOK_COPY_DOCUMENT_CROSS_DS = 1227,
  QXHOOK_CREATE_SET = 1302,
  QXHOOK_ADD_SET_MEMBER = 1303,
  QXHOOK_DELETE_SET_MEMBER = 1304,
  QXHOOK_VERIFY_VERSION = 1402,
  QXHOOK_VERIFY_TABLES = 1403,
  QXHOOK_CREATE_TABLES = 1404,
  QXHOOK_COPY_DOC_ATTRIBUTES = 1502,
  QXHOOK_DELETE_USER = 1602,
  QXHOOK_SET_DOC_FINAL_STATUS = 1603,
  QXHOOK_DELETE_GROUP = 1604,
  QXHOOK_DELETE_WORKFLOW = 1605,
  QXHOOK_DELETE_STATE = 1606,
  QXHOOK_DEL_WORKFLOW_STATE = 1607,
  QXHOOK_DELETE_ENVIRONMENT = 1608,
  QXHOOK_INVALIDATE_CACHE = 1609,
  QXHOOK_ACTIVATE_INTERFACE = 1610,
  QXHOOK_COPY_DOCUMENTS = 1702,
  QXHOOK_DELETE_USERLIST = 1703,
  QXHOOK_COPY_DOCUMENTS_CROSS_DS = 1704,
  QXHOOK_CREATE_VIEW = 1717,
  QXHOOK_MODIFY_VIEW = 1718,
  QXHOOK_DELETE_VIEW = 1719,
  QXHOOK_ENUMERATE_VIEWS = 1720,
  QXHOOK_GET_VIEWCOLUMN_NAME = 1721,
  QXHOOK_GEN_SETTING_SET_VALUE = 1732,
  QXHOOK_USER_SETTING_SET_VALUE = 1733,
  QXHOOK_GROUP_MEMBER_CHANGE = 1734,
  QXDMSHOOK_LAST = 1734,
  QXDMSHOOK_LAST_RESERVED = 2000,
  QXWINDMSHOOK_FIRST = 3001,
  QXHOOK_OPEN_DOCUMENT = 3001,
  QXHOOK_PRINT_DOCUMENT = 3002,
  QXHOOK_START_APPLICATION = 3003,
  QXHOOK_DOC_SEND_MAIL = 3004,
  QXHOOK_VALIDATE_FILE = 3005,
  QXHOOK_LOGIN_DLG = 3006,
  QXHOOK_CREATE_PROJECT_DLG = 3007,
  QXHOOK_MODIFY_PROJECT_DLG = 3008,
  QXHOOK_PROJECT_PROPERTY_DLG = 3009,
  QXHOOK_SELECT_PROJECT_DLG = 3010,
  QXHOOK_CREATE_DOCUMENT_DLG = 3011,
  QXHOOK_SAVE_DOCUMENT_DLG = 3012,
  QXHOOK_OPEN_DOCUMENT_DLG = 3013,
  QXHOOK_MODIFY_DOCUMENT_DLG = 3014,
  QXHOOK_DOCUMENT_PROPERTY_DLG = 3015,
  QXHOOK_SELECT_DOCUMENT_DLG = 3016,
  QXHOOK_FIND_DOCUMENT_DLG = 3017,
  QXHOOK_DOCUMENT_VERSION_DLG = 3018,
  QXHOOK_WORKFLOW_DLG = 3019,
  QXHOOK_CREATE_SET_DLG = 3020,
  QXHOOK_MODIFY_SET_DLG = 3021,
  QXHOOK_USER_SETTINGS_DLG = 3022,
  QXHOOK_VIEW_EDITOR_DLG = 3023,
  QXHOOK_VIEW_DOCUMENTS = 3024,
  QXHOOK_VIEW_FILE = 3025,
  QXHOOK_CLOSE_VIEWER = 3026,
  QXHOOK_SHOW_NOTICE_WND = 3027,
  QXHOOK_SPLASH_WINDOW = 3028,
  QXHOOK_CREATE_REDLINE_DOC_DLG = 3029,
  QXHOOK_SELECT_REDLINE_DOC_DLG = 3030,
  QXHOOK_START_REDLINE = 3031,
  QXHOOK_REDLINE_FIND_FILE = 3032,
  QXHOOK_IMPORTBYDROPHANDLE = 3033,
  QXHOOK_EXEC_MENU_COMMAND = 3039,
  QXHOOK_INIT_POPUPMENU = 3040,
  QXHOOK_SELECT_INTERFACE_DLG = 3041,
  QXHOOK_OPEN_DOCUMENT_DLG2 = 3042,
  QXHOOK_PROJECT_EXPORT_WZRD = 3043,
  QXHOOK_CREATE_DOCUMENTS_DLG = 3044,
  QXHOOK_TRANSFER_DOCUMENT_DLG = 3045,
  QXHOOK_SELECT_ENVIRONMENT_DLG = 3046,
  QXHOOK_CODE_RESERVATION_DLG = 3047,
  QXHOOK_DOCUMENT_EXPORT_WZRD = 3048,
  QXHOOK_OPEN_DOCUMENTS_DLG2 = 3049,
  QXHOOK_SHOW_DOC_PROP_PAGE = 3050,
  QXHOOK_SHOW_PROJ_PROP_PAGE = 3051,
  QXHOOK_EXECUTE_DOC_ACTION = 3052,
  QXHOOK_RELOAD_UPDATED_DOCS_DLG = 3053,
  QXHOOK_CODE_GENERATION_DLG = 3054,
  QXHOOK_SAVE_DOCUMENT_DLG3 = 3055,
  QXHOOK_DOCUMENT_IN_USE_CHECK = 3056,
  QXHOOK_IMPORTBYSTGMEDIUM = 3057,
  QXHOOK_DLG_APPCHANGED = 3058,
  QXHOOK_OPEN_MULTI_DOCUMENTS_DLG = 3060,
  QXWINDMSHOOK_LAST = 3060,
  QXWINDMSHOOK_LAST_RESERVED = 4000,
};

enum class HookTypes : int32_t {
  QXPREHOOK = 1,
  QXACTIONHOOK = 2,
  QXPOSTHOOK = 3,
  QXPOSTHOOK_FAIL = 4,
};

enum class MenuCommandIds : uint32_t {
  QXMENU_PROJECT_FIRST = 30050,
  IDMP_CREATE = 30051,
  IDMP_MODIFY = 30052,
  IDMP_DELETE = 30053,
  IDMP_PURGE = 30054,
  IDMP_WORKFL = 30055,
  IDMP_REFRESH = 30056,
  IDMP_PROPERTY = 30057,
  IDMP_COPYOUT = 30058,
  IDMP_PROACCESS = 30059,
  IDMP_COPY = 30060,
  IDMP_PASTE = 30061,
  IDMP_UFLDRREMOVE = 30062,
  IDMP_PROPERTYREAD = 30063,
  IDMP_EXPORT_TO = 30064,
  IDMP_COPYOUT_TO = 30065,
  IDMP_CLEAN_AUDITTRAIL = 30066,
  IDMP_RENAME = 30067,
  IDMP_EXPORT = 30068,
  IDMP_FIND_DOCS = 30069,
  IDMP_UPGRADE = 30070,
  IDMP_DOWNGRADE = 30071,
  IDMP_SCAN_REFERENCES = 30072,
  IDMP_CREATE_RICHPROJECT = 30080,
  QXMENU_DOC_FIRST = 30500,
  IDMD_OPEN = 30501,
  IDMD_OPEN_WITH = 30502,
  IDMD_PRINT = 30503,
  IDMD_QUICKVIEW = 30504,
  IDMD_NEW = 30505,
  IDMD_MODIFY = 30506,
  IDMD_SAVE_AS = 30507,
  IDMD_DELETE = 30508,
  IDMD_CHECKIN = 30509,
  IDMD_CHECKOUT = 30510,
  IDMD_COPYOUT = 30511,
  IDMD_PURGECOPY = 30512,
  IDMD_FREE = 30513,
  IDMD_SETMODIFY = 30514,
  IDMD_SETCREATE = 30515,
  IDMD_REMOVE = 30516,
  IDMD_VERSION = 30517,
  IDMD_STATE = 30518,
  IDMD_PROPERTIES = 30519,
  IDMD_EXPORT = 30520,
  IDMD_REDLINE = 30521,
  IDMD_REFRESH_COPY = 30522,
  IDMD_UPDATE_SERVER = 30523,
  IDMD_SEND_MAIL = 30524,
  IDMD_SEND_NOTICE = 30525,
  IDMD_COPY_OUT_TO = 30526,
  IDMD_SET_FINAL = 30527,
  IDMD_REMOVE_FINAL = 30528,
  IDMD_OPEN_READONLY = 30529,
  IDMD_UFLDRREMOVE = 30530,
  IDMD_CHANGE_PREV_STATE = 30531,
  IDMD_CHANGE_NEXT_STATE = 30532,
  IDMD_MODIFY_ATTR = 30533,
  IDMD_COPY_LIST = 30534,
  IDMD_PRINT_LIST = 30535,
  IDMD_COPYLIST_TABSEPARATED = 30536,
  IDMD_COPYLIST_SPACESEPARATED = 30537,
  IDMD_IMPORT = 30538,
  IDMD_GENERATE_CODE = 30539,
  IDMD_DELETE_SHEET = 30540,
  IDMD_CREATE_MULTIPLE = 30541,
  IDMD_OPENVAULT = 30542,
  IDMD_COPY = 30543,
  IDMD_MOVE = 30544,
  IDMD_MEMBERIN = 30545,
  IDMD_MASTER_LINKS = 30546,
  IDMD_RELEASE_MASTER = 30547,
  IDMD_RELEASE_REF = 30548,
  IDMD_COPY_ATTR_DATA = 30549,
  IDMD_PASTE_ATTR_DATA = 30550,
  IDMD_ADD_SHEET = 30551,
  IDMD_CLEAN_AUDITTRAIL = 30552,
  IDMD_RENAME = 30553,
  IDMD_CODE_RESERVATION = 30554,
  IDMD_SEND_MAIL_AS_LINK = 30555,
  IDMD_SHARED_CHECKOUT = 30556,
  IDMD_IMPORT_FROM = 30557,
  IDMD_ADD_COMMENT = 30558,
  IDMD_SCAN_REFERENCES = 30559,
  IDMD_SHOW_MARKUPS = 30569,
  QXMENU_ITEM_TOOLS_FIRST = 30850,
  IDMT_NOTICES = 30850,
  IDMT_SETTING_QUERY_DLG = 30851,
  IDMT_QUERY_DLG = 30852,
  IDMT_ICON_ASSOCIATION = 30853,
  IDMT_PROGRAM_ASSOCIATION = 30854,
  IDMT_EXTENSION_ASSOCIATION = 30855,
  IDMT_SETTING_LAZY_REFRESH = 30856,
  IDMT_SETTING_ALL_TABLES = 30857,
  IDMT_SETTING_SET_OPEN = 30858,
  IDMT_USER_SETTINGS = 30859,
  IDMT_SHOW_CHECKIN_ONEXIT = 30860,
  IDMT_SETTING_UPDATE_NEVER = 30861,
  IDMT_SETTING_UPDATE_AFTER = 30862,
  IDMT_SETTING_UPDATE_ONEACH = 30863,
  IDMT_CHECKIN_DLG = 30864,
  IDMT_SET_INTERFACE = 30865,
  IDMT_SCAN_REFERENCES = 30866,
  IDMT_SHOW_DLG_ON_ERROR = 30867,
  IDMT_WIZARD_MANAGER = 30868,
  IDMT_CODE_RESERVATION = 30869,
  IDMT_USE_LASTVAULT = 30870,
  IDMT_USE_LASTPAGE = 30871,
  IDMT_CUSTOMIZE = 30872,
  IDMT_NETWORK_CONFIG = 30873,
  IDMT_USER_MANAGEMENT = 30875,
};

enum class MenuCommandsStateFlags : uint32_t {
  QXMF_SEL_MORE_THAN_ONE = 256,
};

enum class MenuItemStateFlags : int32_t {
  QXMS_GRAYED = 2,
};

enum class MenuItemStateFlag : uint32_t {
  Show = 0x0,
  Hidden = 0x1,
  GrayedOut = 0x2,
  Checked = 0x4,
  ForceShow = 0x8,
  Popup = 0x1000,
  Separator = 0x2000,
  Undefined = 0xffff,
  StateMask = 0xfff,
};

enum class DialogBoxCommandId : int32_t {
  IDOK = 1,
  IDCANCEL = 2,
  DABORT = 3,
  IDRETRY = 4,
  IDIGNORE = 5,
  IDYES = 6,
  IDNO = 7,
  IDCLOSE = 8,
  IDHELP = 9,
};

enum class DocumentListDefinitions : uint32_t {
  QXDLSTF_ATTACH_TO_ATTR_SHEET = 1,
  QXDLSTF_VIRTUAL_LIST = 2,
  QXDLSTF_CHECKBOXES = 4,
  QXDLSTF_ISTYPEWINDOW = 8,
  QXDLSTF_PUT_NAME_FIRST = 16,
  QXDLSTF_ENABLE_BACK_FWD_BROWSING = 128,
};

enum class DocListUpdateTypeMasks : uint32_t {
  QXDLUISF_NOMASTERCHECK = 2,
  QXDLUISF_NOSETCHECK = 1,
};

enum class FindDscItemFlags : uint32_t {
  QXFINDDSCITEM_VISIBLE = 0x1,
  QXFINDDSCITEM_ITEMTYPE = 0x2,
  QXFINDDSCITEM_ITEMID = 0x4,
  QXFINDDSCITEM_ITEMTEXT = 0x8,
  QXFINDDSCITEM_EXPAND = 0x10,
  QXFINDDSCITEM_ITEMDATA = 0x20,
  QXFINDDSCITEM_ALLVISIBLE = 0x1000,
  QXFINDDSCITEM_AFFECTSPARENT = 0x2000,
  QXFINDDSCITEM_KEEPSELECTION = 0x4000,
};

enum class DscItemTypes : int32_t {
  DSCITYPE_NONE = 0,
  DSCITYPE_DEFAULT_ROOT = 1,
  DSCITYPE_DATASOURCE_ROOT = 2,
  DSCITYPE_DATASOURCE = 3,
  DSCITYPE_VAULTROOT = 4,
  DSCITYPE_DMSVAULT = 5,
  DSCITYPE_DMSDOCUMENT = 6,
  DSCITYPE_MSGFLDRROOT = 11,
  DSCITYPE_MSGFOLDER = 12,
  DSCITYPE_MSGSPECIALFOLDER = 13,
  DSCITYPE_UWSPROOT = 14,
  DSCITYPE_UWSPACE = 15,
  DSCITYPE_UWSPACE_FOLDER = 16,
  DSCITYPE_UWSPACE_USER = 17,
  DSCITYPE_DMSDOCUMENTSET = 18,
  DSCITYPE_HTMLPG = 19,
  DSCITYPE_SEARCH_RESULTS = 20,
  DSCITYPE_SAVED_QUERY_ROOT = 21,
  DSCITYPE_SAVED_QUERY_TYPE = 22,
  DSCITYPE_SAVED_QUERY_ITEM = 23,
  DSCITYPE_COMPONENT_MAIN = 24,
  DSCITYPE_COMPONENT = 25,
  DSCITYPE_LINKSET_ROOT = 26,
  DSCITYPE_ALL = 268435455,
};

// --- Object data store ---------------------------------------------------------------------------

enum class ODSNativeIdType : int32_t {
  Undefined = 0,
  None = 1,
  DesignElementId = 2,
  DesignModelId = 3,
  DesignLevelId = 4,
  GraphPath = 5,
  XPath = 6,
  SpaceId = 7,
  SheetName = 8,
  DesignLineStyleId = 9,
  SheetView = 10,
  DesignCellId = 11,
  DesignSavedViewId = 12,
  SpaceIdLink = 13,
};

enum class ODSAttributeProperty : int32_t {
  ID = 1,
  Name = 2,
  Desc = 3,
  Visibility = 4,
  DataType = 5,
  DataLength = 6,
  Control = 7,
  InstanceColumn = 8,
  Label = 9,
  FunctionId = 12,
  MirrorId = 13,
  LinkId = 14,
  LinkAttrId = 15,
  Direction = 16,
  UIType = 32,
};

enum class ODSClassProperty : int32_t {
  ID = 1,
  Name = 2,
  Desc = 3,
  SystemClass = 4,
  KeyId = 5,
  ClassIdAttr = 6,
  TableName = 7,
  SequenceName = 8,
  CatalogName = 9,
  CatalogKeyId = 10,
  ModTime = 11,
  IsVersion = 12,
  CurrentId = 13,
  FutureId = 14,
  HistoryId = 15,
  ClassType = 20,
  Label = 21,
};

enum class ODSAttributeTypes : int32_t {
  QXODS_ATTRTYPE_DATABASE = 1,
  QXODS_ATTRTYPE_USERDATA = 2,
  QXODS_ATTRTYPE_CONSTANT = 3,
  QXODS_ATTRTYPE_LINKAGE = 4,
  QXODS_ATTRTYPE_LAST = 4,
};

enum class ODSClassTypes : uint32_t {
  QXODS_CLASS_NORMAL = 1,
  QXODS_CLASS_LINK = 2,
  QXODS_CLASS_SYSTEM = 4,
  QXODS_CLASS_FUTURE = 16,
  QXODS_CLASS_HISTORY = 32,
};

enum class ODSAttributeDataType : int32_t {
  Int16 = 1,
  Long32 = 2,
  Float32 = 3,
  Double64 = 4,
  String = 5,
  Timestamp = 6,
  Raw = 7,
  LongRaw = 8,
  DateTime = 9,
};

enum class QXODSHIERARCHY : int32_t {
  QXODS_HIERARCHY_ID = 1,
};

enum class QXODSPickListType : int32_t {
  None = 0,
  Class = 1,
  Select = 2,
};

// --- Custom hierarchies --------------------------------------------------------------------------

enum class CustomFolderItemIds : int32_t {
  DSCI_UWSPFLDR_PRIVATE = 1,
  DSCI_UWSPFLDR_GLOBAL = 2,
  DSCI_UWSPFLDR_OTHERS = 3,
};

enum class CustomHierarchyProperties : int32_t {
  UWSP_PROP_USER = 1,
  UWSP_PROP_CUSTHRCHY = 2,
  UWSP_PROP_PARENT = 3,
  UWSP_PROP_FLAGS = 4,
  UWSP_PROP_HASSUBITEMS = 5,
  UWSP_PROP_NAME = 6,
  UWSP_PROP_DESC = 7,
};

enum class CustomHierarchMemberItemType : int32_t {
  QXDMSUWITYPE_PROJECT = 1,
  QXDMSUWITYPE_DOCUMENT = 2,
};

// --- Audit trail ---------------------------------------------------------------------------------

enum class AuditTrailTypes : int32_t {
  QXDMSAT_TYPE_FIRST = 1,
  QXDMSAT_TYPE_VAULT = 1,
  QXDMSAT_TYPE_DOCUMENT = 2,
  QXDMSAT_TYPE_DOCUMENT_SET = 3,
  QXDMSAT_TYPE_WORKFLOW = 4,
  QXDMSAT_TYPE_STATE = 5,
  QXDMSAT_TYPE_USER = 6,
  QXDMSAT_TYPE_GROUP = 7,
  QXDMSAT_TYPE_USER_LIST = 8,
  QXDMSAT_TYPE_LAST = 8,
  QXDMSAT_TYPE_DS_REPORT = -55,
  QXDMSAT_TYPE_USER_LILO = -56,
};

enum class AuditTrailActions : int32_t {
  QXDMSAT_ACT_DOC_FIRST = 1000,
  QXDMSAT_ACT_DOC_UNKNOWN = 1000,
  QXDMSAT_ACT_DOC_CREATE = 1001,
  QXDMSAT_ACT_DOC_MODIFY = 1002,
  QXDMSAT_ACT_DOC_ATTR = 1003,
  QXDMSAT_ACT_DOC_FILE_ADD = 1004,
  QXDMSAT_ACT_DOC_FILE_REM = 1005,
  QXDMSAT_ACT_DOC_FILE_REP = 1006,
  QXDMSAT_ACT_DOC_CIN = 1007,
  QXDMSAT_ACT_DOC_VIEW = 1008,
  QXDMSAT_ACT_DOC_CHOUT = 1009,
  QXDMSAT_ACT_DOC_CPOUT = 1010,
  QXDMSAT_ACT_DOC_GOUT = 1011,
  QXDMSAT_ACT_DOC_STATE = 1012,
  QXDMSAT_ACT_DOC_FINAL_S = 1013,
  QXDMSAT_ACT_DOC_FINAL_R = 1014,
  QXDMSAT_ACT_DOC_VERSION = 1015,
  QXDMSAT_ACT_DOC_MOVE = 1016,
  QXDMSAT_ACT_DOC_COPY = 1017,
  QXDMSAT_ACT_DOC_SECUR = 1018,
  QXDMSAT_ACT_DOC_REDLINE = 1019,
  QXDMSAT_ACT_DOC_DELETE = 1020,
  QXDMSAT_ACT_DOC_EXPORT = 1021,
  QXDMSAT_ACT_DOC_FREE = 1022,
  QXDMSAT_ACT_DOC_EXTRACT = 1023,
  QXDMSAT_ACT_DOC_DISTRIBUTE = 1024,
  QXDMSAT_ACT_DOC_SEND_TO = 1025,
  QXDMSAT_ACT_DOC_COMMENT = 1026,
  QXDMSAT_ACT_DOC_IMPORT = 1027,
  QXDMSAT_ACT_DOC_ACL_ASSIGN = 1028,
  QXDMSAT_ACT_DOC_ACL_MODIFY = 1029,
  QXDMSAT_ACT_DOC_ACL_REMOVE = 1030,
  QXDMSAT_ACT_DOC_REVIT = 1031,
  QXDMSAT_ACT_DOC_PACK = 1032,
  QXDMSAT_ACT_DOC_UNPACK = 1033,
  QXDMSAT_ACT_DOC_LAST = 1033,
  QXDMSAT_ACT_SET_FIRST = 2001,
  QXDMSAT_ACT_SET_CREATE = 2001,
  QXDMSAT_ACT_SET_ADD = 2002,
  QXDMSAT_ACT_SET_REMOVE = 2003,
  QXDMSAT_ACT_SET_LAST = 2003,
  QXDMSAT_ACT_NONE = -1,
  QXDMSAT_ACT_DEFAULT = 0,
  QXDMSAT_ACT_VLT_FIRST = 1,
  QXDMSAT_ACT_VLT_CREATE = 1,
  QXDMSAT_ACT_VLT_MODIFY = 2,
  QXDMSAT_ACT_VLT_WFLOW = 3,
  QXDMSAT_ACT_VLT_DELETE = 4,
  QXDMSAT_ACT_VLT_STATE = 5,
  QXDMSAT_ACT_VLT_ACL_ASSIGN = 6,
  QXDMSAT_ACT_VLT_ACL_MODIFY = 7,
  QXDMSAT_ACT_VLT_ACL_REMOVE = 8,
  QXDMSAT_ACT_VLT_LAST = 8,
  QXDMSAT_ACT_USER_FIRST = 3001,
  QXDMSAT_ACT_USER_LOGIN = 3001,
  QXDMSAT_ACT_USER_LOGOUT = 3002,
  QXDMSAT_ACT_USER_CREATE = 3003,
  QXDMSAT_ACT_USER_LAST = 3003,
  QXDMSAT_ACT_GROUP_FIRST = 4001,
  QXDMSAT_ACT_GROUP_CREATE = 4001,
  QXDMSAT_ACT_GROUP_MODIFY = 4002,
  QXDMSAT_ACT_GROUP_ADD = 4003,
  QXDMSAT_ACT_GROUP_REMOVE = 4004,
  QXDMSAT_ACT_GROUP_LAST = 4004,
  QXDMSAT_ACT_USER_LIST_FIRST = 5001,
  QXDMSAT_ACT_USER_LIST_CREATE = 5001,
  QXDMSAT_ACT_USER_LIST_MODIFY = 5002,
  QXDMSAT_ACT_USER_LIST_ADD = 5003,
  QXDMSAT_ACT_USER_LIST_REMOVE = 5004,
  QXDMSAT_ACT_USER_LIST_LAST = 5004,
  QXDMSAT_ACT_VLT_CUSTOM_FIRST = 100,
  QXDMSAT_ACT_VLT_CUSTOM_LAST = 999,
  QXDMSAT_ACT_DOC_CUSTOM_FIRST = 1100,
  QXDMSAT_ACT_DOC_CUSTOM_LAST = 1999,
  QXDMSAT_ACT_SET_CUSTOM_FIRST = 2100,
  QXDMSAT_ACT_SET_CUSTOM_LAST = 2999,
  QXDMSAT_ACT_GEN_CUSTOM_FIRST = 10000,
  QXDMSAT_ACT_GEN_CUSTOM_LAST = 19999,
  QXDMSAT_ACT_DOC_ATTR_CREATE = 1,
  QXDMSAT_ACT_DOC_ATTR_MODIFY = 2,
  QXDMSAT_ACT_DOC_ATTR_DELETE = 3,
  QXDMSAT_ACT_USER_CONNCOUNT = -671,
};

// --- Workspace configuration ---------------------------------------------------------------------

enum class WorkspaceAssocObjectType : int32_t {
  WORKSPACEOBJECTTYPE_INVALID = 0,
  WORKSPACEOBJECTTYPE_DATASOURCE = 1,
  WORKSPACEOBJECTTYPE_USER = 2,
  WORKSPACEOBJECTTYPE_PROJECT = 3,
  WORKSPACEOBJECTTYPE_APPLICATION = 4,
  WORKSPACEOBJECTTYPE_DOCUMENT = 5,
  WORKSPACEOBJECTTYPE_GROUP = 6,
  WORKSPACEOBJECTTYPE_USERLIST = 7,
};

enum class WorkspaceDmsBufferProperty : int32_t {
  MWPCONFBLOCK_NUMERIC_PROP_ID = 1,
  MWPCONFBLOCK_NUMERIC_PROP_FLAGS = 2,
  MWPCONFBLOCK_NUMERIC_PROP_LEVEL = 3,
  MWPCONFBLOCK_STRING_PROP_NAME = 4,
  MWPCONFBLOCK_STRING_PROP_DESC = 5,
};

enum class WorkspaceDmsBufferVariablesProperty : int32_t {
  WPCBSETTINGPROP_ID = 0,
  WPCBSETTINGPROP_DESCRIPTION = 1,
  WPCBSETTINGPROP_NAME = 2,
  WPCBSETTINGPROP_FLAGS = 3,
  WPCBSETTINGPROP_VALUES = 4,
};

// --- Web links -----------------------------------------------------------------------------------

enum class WebLinkActions : int32_t {
  None = 0,
  Open = 1,
  OpenReadOnly = 2,
  View = 3,
  Markup = 4,
};

// Flag sets combine bitwise; the result of an operator is again the flag-set type.
template <typename Enum>
struct IsFlagSet : std::false_type {};

template <>
struct IsFlagSet<QxProjItemFlags> : std::true_type {};
template <>
struct IsFlagSet<ProjectCopyDeleteAndExportFlags> : std::true_type {};
template <>
struct IsFlagSet<FetchDocumentFlags> : std::true_type {};
template <>
struct IsFlagSet<DocumentCreationFlag> : std::true_type {};
template <>
struct IsFlagSet<NewVersionCreationFlags> : std::true_type {};
template <>
struct IsFlagSet<CreateVersionsFromSourceFlags> : std::true_type {};
template <>
struct IsFlagSet<DocumentCopyFlags> : std::true_type {};
template <>
struct IsFlagSet<AttributeCopyFlags> : std::true_type {};
template <>
struct IsFlagSet<LinkDataSelectFlags> : std::true_type {};
template <>
struct IsFlagSet<AccessControlSelectionFlags> : std::true_type {};
template <>
struct IsFlagSet<AccessMaskFlags> : std::true_type {};
template <>
struct IsFlagSet<AccessMasks> : std::true_type {};
template <>
struct IsFlagSet<SetTypeMasks> : std::true_type {};
template <>
struct IsFlagSet<ReferenceListFlags> : std::true_type {};
template <>
struct IsFlagSet<QueryResultFlags> : std::true_type {};
template <>
struct IsFlagSet<CriteriaGroupType> : std::true_type {};
template <>
struct IsFlagSet<CriteriaValueType> : std::true_type {};
template <>
struct IsFlagSet<CriteriaUsageType> : std::true_type {};
template <>
struct IsFlagSet<CriteriaFlags> : std::true_type {};
template <>
struct IsFlagSet<MenuItemStateFlag> : std::true_type {};
template <>
struct IsFlagSet<FindDscItemFlags> : std::true_type {};

template <typename Enum>
concept FlagSet = IsFlagSet<Enum>::value;

template <FlagSet Enum>
constexpr Enum operator|(Enum a, Enum b) {
  return Enum(std::underlying_type_t<Enum>(a) | std::underlying_type_t<Enum>(b));
}
template <FlagSet Enum>
constexpr Enum operator&(Enum a, Enum b) {
  return Enum(std::underlying_type_t<Enum>(a) & std::underlying_type_t<Enum>(b));
}
template <FlagSet Enum>
constexpr Enum operator^(Enum a, Enum b) {
  return Enum(std::underlying_type_t<Enum>(a) ^ std::underlying_type_t<Enum>(b));
}
template <FlagSet Enum>
constexpr Enum operator~(Enum a) {
  return Enum(~std::underlying_type_t<Enum>(a));
}
template <FlagSet Enum>
constexpr Enum& operator|=(Enum& a, Enum b) {
  return a = a | b;
}
template <FlagSet Enum>
constexpr Enum& operator&=(Enum& a, Enum b) {
  return a = a & b;
}

}  // namespace Tarnwick::OvWrapper

#pragma pop_macro("IDOK")
#pragma pop_macro("IDCANCEL")
#pragma pop_macro("IDRETRY")
#pragma pop_macro("IDIGNORE")
#pragma pop_macro("IDYES")
#pragma pop_macro("IDNO")
#pragma pop_macro("IDCLOSE")
#pragma pop_macro("IDHELP")
#pragma pop_macro("DELETE")
#pragma pop_macro("DateTime")
#pragma pop_macro("Lock")
#pragma pop_macro("Size")
