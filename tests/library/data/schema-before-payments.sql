-- The Brisola database: six tables. ID is a counter that the database assigns and never reuses.
-- Dates are stored as ISO 8601 text (yyyy-MM-dd HH:mm:ss, or yyyy-MM-dd for a service date).
BEGIN;

CREATE TABLE tblClients (
  ClientID   TEXT,
  ClientType TEXT,
  Client     TEXT,
  Add1       TEXT,
  Add2       TEXT,
  City       TEXT,
  State      TEXT,
  Zip        TEXT,
  Phone      TEXT,
  Contact    TEXT,
  BAdd1      TEXT,
  BAdd2      TEXT,
  BCity      TEXT,
  BState     TEXT,
  BZip       TEXT,
  Schedule   TEXT,
  Service    TEXT,
  DayOfWeek  TEXT,
  Fee        REAL,
  FeeType    TEXT,
  BSchedule  TEXT,
  Pets       TEXT,
  AddDate    TEXT,
  Notes      TEXT,
  ID         INTEGER PRIMARY KEY AUTOINCREMENT
);

CREATE TABLE tblNotes (
  NoteID   TEXT,
  NoteText TEXT,
  AddDate  TEXT,
  ID       INTEGER PRIMARY KEY AUTOINCREMENT
);

CREATE TABLE tblInvoices (
  InvoiceID    TEXT,
  ClientID     TEXT,
  ServiceDate  TEXT,
  Client       TEXT,
  BAdd1        TEXT,
  BAdd2        TEXT,
  BCity        TEXT,
  BState       TEXT,
  BZip         TEXT,
  Hours        REAL,
  Rate         REAL,
  HourAmt      REAL,
  OtherCharges TEXT,
  OtherAmt     REAL,
  PastDue      REAL,
  ContractFee  REAL,
  TotalAmt     REAL,
  DayOfWeek    TEXT,
  Schedule     TEXT,
  Service      TEXT,
  FeeType      TEXT,
  Pets         TEXT,
  Notes        TEXT,
  AddDate      TEXT,
  ID           INTEGER PRIMARY KEY AUTOINCREMENT
);

CREATE TABLE tblAddress (
  AddressID TEXT,
  FName     TEXT,
  LName     TEXT,
  Address   TEXT,
  City      TEXT,
  State     TEXT,
  Zip       TEXT,
  HPhone    TEXT,
  WPhone    TEXT,
  CPhone    TEXT,
  Email     TEXT,
  FullName  TEXT,
  AddDate   TEXT,
  ModDate   TEXT,
  ID        INTEGER PRIMARY KEY AUTOINCREMENT
);

CREATE TABLE tblOwner (
  OwnerID  TEXT,
  LName    TEXT,
  FName    TEXT,
  Company  TEXT,
  Address  TEXT,
  City     TEXT,
  State    TEXT,
  Zip      TEXT,
  Phone    TEXT,
  Email    TEXT,
  FullName TEXT,
  AddDate  TEXT,
  ModDate  TEXT
);

CREATE TABLE tblBilling (
  ID INTEGER PRIMARY KEY AUTOINCREMENT
);

COMMIT;
