#pragma once
// Names for the string-table numbers the code uses (texts in
// src/resources/strings/ptg.txt).

namespace ledra::str {

inline constexpr int kAppTitle = 2;              // "title\ndocument name\ndocument type"
inline constexpr int kMonthJanuary = 3;          // 3-14: "Janeiro" .. "Dezembro"
inline constexpr int kShortMonthJanuary = 1203;  // 1203-1214: "Jan" .. "Dez"
inline constexpr int kDayMonday = 20100;         // 20100-20106: Monday .. Sunday
inline constexpr int kReportMonthStatus = 1073;
inline constexpr int kLanguageCode = 1198;

// Settings file
inline constexpr int kSectionLabels = 1176;
inline constexpr int kKeyBirthCaption = 1175;
inline constexpr int kKeyAlternateLabel = 1274;
inline constexpr int kKeyLabelLeftMargin = 1273;
inline constexpr int kSectionReports = 1179;
inline constexpr int kKeyGrid = 1180;
inline constexpr int kKeyNoReportBoxes = 1230;
inline constexpr int kKeyTopMargin = 1183;
inline constexpr int kKeyDatestamp = 1184;
inline constexpr int kSectionDialFormat = 1241;
inline constexpr int kKeyEnabled = 1265;
inline constexpr int kSectionSpecialCategory = 1266;
inline constexpr int kKeyEmergJw = 20200;
inline constexpr int kKeyCongName = 20201;
inline constexpr int kSectionAutoCap = 20202;
inline constexpr int kSectionNag = 20203;
inline constexpr int kSectionPrtGrp = 20204;
inline constexpr int kSectionHideAvg = 20205;
inline constexpr int kSectionOnePerPage = 20206;
inline constexpr int kSectionHideBir = 20207;
inline constexpr int kSectionSec = 20208;
inline constexpr int kKeyEmail = 20209;
inline constexpr int kSectionEarly = 20210;
inline constexpr int kKeyYear = 20211;
inline constexpr int kKeyMonth = 20212;
inline constexpr int kSettingsFileName = 20213;
inline constexpr int kOk = 20214;
inline constexpr int kSortByFirstName = 32843;

// Data files
inline constexpr int kFileMain = 20300;
inline constexpr int kFileMainOld = 20301;
inline constexpr int kFileInactiveOld = 20302;
inline constexpr int kFileMovedOld = 20303;
inline constexpr int kFileNonPublisherOld = 20304;
inline constexpr int kFileDeletedOld = 20305;
inline constexpr int kFileRemarksOld = 20306;
inline constexpr int kFileCardsOld = 20307;
inline constexpr int kFileLateOld = 20308;
inline constexpr int kFileMeetingOld = 20309;
inline constexpr int kFileRemarks = 20310;
inline constexpr int kFileRemarksUndo = 20311;
inline constexpr int kFileExtensions = 20312;
inline constexpr int kFileEmergency = 20313;
inline constexpr int kFileEmergencyCompacted = 20314;
inline constexpr int kFileSpecialNeeds = 20315;
inline constexpr int kFileAppointments = 20316;
inline constexpr int kFileAttendance = 20317;
inline constexpr int kFileTotalsCard = 20318;
inline constexpr int kFileGroups = 20319;
inline constexpr int kFileParticipated = 20320;
inline constexpr int kFileSharedSettings = 20321;
inline constexpr int kFolderRoll = 20322;
inline constexpr int kFolderPastMonth = 20323;  // "Ld9_%d"
inline constexpr int kFolderPastCardsOld = 20324;
inline constexpr int kFilePublistXml = 20325;
inline constexpr int kFileContactTsv = 20326;
inline constexpr int kFileThirdPartyTsv = 1396;
inline constexpr int kFileCardHeaderTsv = 20327;

// Store messages
inline constexpr int kCannotCreateFile = 1231;
inline constexpr int kCannotAllocate = 20400;
inline constexpr int kDuplicateCircuitOverseer = 20401;
inline constexpr int kBadYearInRemCheck = 20402;
inline constexpr int kSavingWait = 20403;
inline constexpr int kSaveChanges = 20404;
inline constexpr int kReturnToMonth = 20405;
inline constexpr int kRemarkTableFull = 20406;
inline constexpr int kTooManyPeople = 20407;
inline constexpr int kMidweekMeeting = 20408;
inline constexpr int kWeekendMeeting = 20409;
inline constexpr int kWitness = 20410;

// Platform messages
inline constexpr int kCannotReadFile = 20500;
inline constexpr int kCannotWriteFile = 20501;
inline constexpr int kCannotCreateFolder = 20502;
inline constexpr int kCannotDeleteFile = 20503;
inline constexpr int kCannotCopyFile = 20504;
inline constexpr int kCannotRenameFile = 20505;
inline constexpr int kUnknownEncoding = 20506;
inline constexpr int kCannotListFolder = 20507;

// Start-up
inline constexpr int kStartNotice1 = 1235;
inline constexpr int kStartNotice2 = 1236;
inline constexpr int kStartNotice3 = 1237;
inline constexpr int kWindowClassPrefix = 20600;
inline constexpr int kDataFolderLocked = 20618;
inline constexpr int kViewPastMonths = 20620;
inline constexpr int kReady = 20622;

// Menus
inline constexpr int kMenuFile = 20702;
inline constexpr int kMenuOptions = 20701;
inline constexpr int kMenuHelp = 20703;
inline constexpr int kCommandExit = 57665;
inline constexpr int kCommandSave = 20700;

// Command line
inline constexpr int kCliDescription = 21000;
inline constexpr int kCliDataOption = 21001;
inline constexpr int kCliTodayOption = 21002;
inline constexpr int kCliBadDate = 21003;
inline constexpr int kCliVersionOption = 21004;
inline constexpr int kDemoFolderHasData = 21100;

// Start-up: password, confidentiality sweep, data folder and lock
inline constexpr int kPasswordCaption = 20601;
inline constexpr int kPasswordPrompt = 20602;
inline constexpr int kPasswordPromptOld = 20603;
inline constexpr int kPasswordInvalid = 20604;
inline constexpr int kPasswordChangeCaption = 20605;
inline constexpr int kPasswordNewPrompt = 20606;
inline constexpr int kPasswordAgain = 20607;
inline constexpr int kPasswordDisabled = 20608;
inline constexpr int kPasswordChanged = 20609;
inline constexpr int kPasswordNotChanged = 20610;
inline constexpr int kSweepCaption = 20612;
inline constexpr int kSweepText1 = 20613;
inline constexpr int kSweepText2 = 20614;
inline constexpr int kSweepText3 = 20615;
inline constexpr int kLockHolder = 23000;         // "process %1 on %2"
inline constexpr int kDataFolderReadOnly = 23001;
inline constexpr int kCannotCreateDataFolder = 23002;
inline constexpr int kCommandPassword = 32786;
inline constexpr int kCommandNag = 32850;

// Backup and restore (24000-24199)
inline constexpr int kBackupCaption = 24000;
inline constexpr int kRestoreCaption = 24001;
inline constexpr int kFileBackupHistory = 24002;      // "buhist.dat"
inline constexpr int kFolderUnrestore = 24003;        // "unrestore"
inline constexpr int kUnrestoreWorkSuffix = 24004;    // "_tmp"
inline constexpr int kBackupSetPrefix = 24005;        // "Ld9"
inline constexpr int kBackupSetTimeFormat = 24006;    // "_%H%M_20%y%b%d"
inline constexpr int kHistoryRollDate = 24007;        // "%s %d %d (Roll)"
inline constexpr int kSectionBackup = 24008;
inline constexpr int kKeyBackupPath = 24009;
inline constexpr int kKeyBackupLast = 24010;
inline constexpr int kBackingUpFile = 24011;
inline constexpr int kRestoringFile = 24012;
inline constexpr int kSelectFolderCaption = 24013;
inline constexpr int kSelectFolderButton = 24014;
inline constexpr int kCurrentFolderButton = 24015;
inline constexpr int kPathDoesNotExist = 24016;
inline constexpr int kCouldNotCreateFolder = 24017;
inline constexpr int kInvalidFolder = 24018;
inline constexpr int kCheckingBackups = 24019;
inline constexpr int kRequiredSpaceFormat = 24020;  // "%s: %d bytes"
inline constexpr int kRequiredSpace = 24021;
inline constexpr int kWhereBackupStored = 24022;
inline constexpr int kClickOkToBackup = 24023;
inline constexpr int kBrowse = 24024;
inline constexpr int kSelectFromCatalogue = 24025;
inline constexpr int kBrowseForSet = 24026;
inline constexpr int kWhichFolderHoldsSet = 24027;
inline constexpr int kUseLastBackup = 24028;
inline constexpr int kUndoLastRestore = 24029;
inline constexpr int kClickOkToUndoRestore = 24030;
inline constexpr int kUndoRestoreFormat = 24031;  // "%s : %s"
inline constexpr int kClickOkToRestore = 24032;
inline constexpr int kNotABackupTarget = 24033;
inline constexpr int kRetryBackupInAMinute = 24034;
inline constexpr int kBackupComplete = 24035;
inline constexpr int kCloseButton = 24036;
inline constexpr int kHistoryLongDate = 24037;  // weekday, day, month, year
inline constexpr int kTimeAm = 24038;
inline constexpr int kTimePm = 24039;
inline constexpr int kBackupFailed = 24040;
inline constexpr int kCopyDiffers = 24041;
inline constexpr int kRestoreFailedPutBack = 24042;
inline constexpr int kRestoreFailedNotPutBack = 24043;
inline constexpr int kNotAUsableSet = 24044;
inline constexpr int kSetPathTooLong = 24045;
inline constexpr int kNothingToUndo = 24046;
inline constexpr int kRestoreComplete = 24047;
inline constexpr int kSetPasswordInvalid = 24048;
inline constexpr int kCatalogueSetColumn = 24049;
inline constexpr int kCatalogueDateColumn = 24050;

}  // namespace ledra::str
