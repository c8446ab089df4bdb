-- Auditoria: schema of the embedded SQLite database.
--
-- The program speaks SQL Server's dialect; the provider translates each
-- statement just before it runs. Three conventions keep that translation
-- small and the data behaving as it does on the server:
--   * Every text column is declared COLLATE SQLSRV_CI, the collation the
--     provider registers: case and trailing blanks are ignored, leading
--     blanks and accents are not. So 'FC' finds a code stored padded as
--     'FC  ', but '   1' (a right-aligned numeric code) is not '1'.
--   * Dates are ISO text. DATETIME columns always carry the time part
--     ('YYYY-MM-DD HH:MM:SS'); the translator turns day-first literals into
--     that form where they meet a date column.
--   * Voucher keys are written in pieces (SUCURSAL, NUMERO, LETRA) by every
--     INSERT the program builds, while some queries ask for the joined
--     13-character IDCOMPROBANTE; that column is therefore generated from
--     the pieces and never written. Where the program only ever names a
--     voucher by its joined key (the history of actions, the order a
--     reception report comes from), the joined key is a plain column.
-- Fixed-width codes are declared CHAR(n) for the reader; SQLite does not pad
-- them, and the collation makes padded and unpadded forms compare equal.

--------------------------------------------------------------------------
-- Session: configuration, users, access log, fiscal periods
--------------------------------------------------------------------------

-- Key/value settings of the whole suite. CLAVE is deliberately not unique:
-- the writer looks a key up untrimmed and adds a second row when a stray
-- blank hides the first, and the reader takes the first row it meets.
CREATE TABLE TA_CONFIGURACION (
    CLAVE           VARCHAR(50)  COLLATE SQLSRV_CI NOT NULL,
    VALOR           VARCHAR(255) COLLATE SQLSRV_CI,
    ValorAux        VARCHAR(255) COLLATE SQLSRV_CI DEFAULT '',
    Grupo           VARCHAR(50)  COLLATE SQLSRV_CI,
    PoliticaNegocio BIT NOT NULL DEFAULT 0
);
CREATE INDEX IX_TA_CONFIGURACION_CLAVE ON TA_CONFIGURACION (CLAVE);

-- One row per database user. Administrador = 1 exempts the user from the
-- restricted SS_ synonyms; UNEGOCIO keeps the suite's right-aligned form.
CREATE TABLE TA_USUARIOS (
    NOMBRE          VARCHAR(30) COLLATE SQLSRV_CI NOT NULL PRIMARY KEY,
    NOMBRECOMPLETO  VARCHAR(60) COLLATE SQLSRV_CI,
    Administrador   SMALLINT NOT NULL DEFAULT 0,
    GRUPO           VARCHAR(20) COLLATE SQLSRV_CI,
    UNegocio        CHAR(4)     COLLATE SQLSRV_CI,
    VerProforma     BIT NOT NULL DEFAULT 0
);

-- Accounts reserved to user groups; an account listed for no group is free.
CREATE TABLE MA_CUENTAS_USUARIOS (
    CUENTA          VARCHAR(15) COLLATE SQLSRV_CI NOT NULL,
    GRUPOUSER       VARCHAR(20) COLLATE SQLSRV_CI NOT NULL,
    PRIMARY KEY (CUENTA, GRUPOUSER)
);

-- Log of program sessions written by the suite's menu. ID is the session's
-- access id, shared by the rows of one session, so it is not unique; the
-- rows still open have no EGRESO.
CREATE TABLE CONTROL_ACCESO (
    IDCONTROL       INTEGER PRIMARY KEY,
    ID              INT NOT NULL DEFAULT 0,
    USUARIO         VARCHAR(30) COLLATE SQLSRV_CI,
    EQUIPO          VARCHAR(50) COLLATE SQLSRV_CI,
    PROGRAMA        VARCHAR(30) COLLATE SQLSRV_CI,
    INGRESO         DATETIME,
    EGRESO          DATETIME
);
CREATE INDEX IX_CONTROL_ACCESO_ID ON CONTROL_ACCESO (ID, EGRESO);

-- Fiscal periods; the PERIODO configuration key names the current one.
CREATE TABLE MV_EJERCICIOS (
    PERIODO         SMALLINT NOT NULL PRIMARY KEY,
    DESCRIPCION     VARCHAR(50) COLLATE SQLSRV_CI,
    [FECHA DESDE]   DATETIME NOT NULL,
    [FECHA HASTA]   DATETIME NOT NULL,
    CERRADO         BIT NOT NULL DEFAULT 0
);

--------------------------------------------------------------------------
-- Chart of accounts
--------------------------------------------------------------------------

-- Codes are plain digits: the level of a code is told by its length alone,
-- from the digits per level in the configuration (DIGITOS_CAPITULO ...).
-- TITULO marks headings that take no postings; MEDIODEPAGO marks cash and
-- bank accounts; TIPOVISTA 'P' or 'C' marks supplier and customer accounts,
-- which the plain account lookup leaves out. CC_DIST names a cost-centre
-- distribution table and stays NULL when there is none (an empty text
-- would already count as one).
CREATE TABLE MA_CUENTAS (
    CODIGO          VARCHAR(15)  COLLATE SQLSRV_CI NOT NULL PRIMARY KEY,
    CODIGOOPCIONAL  VARCHAR(15)  COLLATE SQLSRV_CI,
    DESCRIPCION     VARCHAR(100) COLLATE SQLSRV_CI NOT NULL,
    TITULO          BIT NOT NULL DEFAULT 0,
    MEDIODEPAGO     VARCHAR(4)   COLLATE SQLSRV_CI,
    TIPOVISTA       CHAR(1)      COLLATE SQLSRV_CI,
    CC_DIST         CHAR(4)      COLLATE SQLSRV_CI,
    USACCOSTOS      BIT NOT NULL DEFAULT 0
);
CREATE INDEX IX_MA_CUENTAS_CODIGOOPCIONAL ON MA_CUENTAS (CODIGOOPCIONAL);
-- The account lookup lists the plan by description, in the column's own
-- collation (the one ORDER BY DESCRIPCION sorts by).
CREATE INDEX IX_MA_CUENTAS_DESCRIPCION ON MA_CUENTAS (DESCRIPCION COLLATE SQLSRV_CI);

-- Party data of supplier and customer accounts. The voucher pages join this
-- table to the voucher views and name most columns without a table prefix,
-- so it must not share a column name with those views (NOMBRE, CUENTA,
-- FECHA, IMPORTE, UNEGOCIO, CODIGOPOSTAL ...): the postcode is CODPOSTAL
-- here. DADA_DE_BAJA marks a party no longer in business; the lookups hide it.
CREATE TABLE MA_CUENTASADIC (
    CODIGO          VARCHAR(15)  COLLATE SQLSRV_CI NOT NULL PRIMARY KEY,
    CUIT            VARCHAR(13)  COLLATE SQLSRV_CI,
    CONDIVA         CHAR(4)      COLLATE SQLSRV_CI,
    DOMICILIO       VARCHAR(100) COLLATE SQLSRV_CI,
    LOCALIDAD       VARCHAR(50)  COLLATE SQLSRV_CI,
    CODPOSTAL       VARCHAR(8)   COLLATE SQLSRV_CI,
    TELEFONO        VARCHAR(30)  COLLATE SQLSRV_CI,
    CONTACTO        VARCHAR(60)  COLLATE SQLSRV_CI,
    DADA_DE_BAJA    BIT NOT NULL DEFAULT 0
);

-- Suppliers and customers are accounts of the plan, so a party's code is the
-- account its vouchers post to (for suppliers, also the header account of
-- their differences).
CREATE VIEW VT_PROVEEDORES AS
    SELECT c.CODIGO, c.DESCRIPCION AS RAZON_SOCIAL, c.CODIGOOPCIONAL,
           a.CUIT, a.CONDIVA, a.DOMICILIO, a.LOCALIDAD,
           a.CODPOSTAL AS CODIGOPOSTAL, a.TELEFONO, a.CONTACTO, a.DADA_DE_BAJA
      FROM MA_CUENTAS c LEFT JOIN MA_CUENTASADIC a ON a.CODIGO = c.CODIGO
     WHERE c.TIPOVISTA = 'P';
CREATE VIEW VT_CLIENTES AS
    SELECT c.CODIGO, c.DESCRIPCION AS RAZON_SOCIAL, c.CODIGOOPCIONAL,
           a.CUIT, a.CONDIVA, a.DOMICILIO, a.LOCALIDAD,
           a.CODPOSTAL AS CODIGOPOSTAL, a.TELEFONO, a.CONTACTO, a.DADA_DE_BAJA
      FROM MA_CUENTAS c LEFT JOIN MA_CUENTASADIC a ON a.CODIGO = c.CODIGO
     WHERE c.TIPOVISTA = 'C';

--------------------------------------------------------------------------
-- Voucher types, subdiaries and number ranges
--------------------------------------------------------------------------

-- CIRCUITO splits the voucher views: 'C' purchases, 'V' sales,
-- 'T' receipts and payments, 'S' stock, 'A' journal only.
CREATE TABLE TA_COMPROBANTES (
    CODIGO          CHAR(4)     COLLATE SQLSRV_CI NOT NULL PRIMARY KEY,
    DESCRIPCION     VARCHAR(50) COLLATE SQLSRV_CI NOT NULL,
    CIRCUITO        CHAR(1)     COLLATE SQLSRV_CI NOT NULL
);

CREATE TABLE MA_SUBDIARIOS (
    CODIGO          CHAR(4)     COLLATE SQLSRV_CI NOT NULL PRIMARY KEY,
    DESCRIPCION     VARCHAR(50) COLLATE SQLSRV_CI
);

-- The subdiary (registration type) each voucher type is booked under;
-- journal lines carry it in TIPO_REG.
CREATE TABLE MA_SUBDIARIOSCOMPROBANTES (
    TC              CHAR(4) COLLATE SQLSRV_CI NOT NULL PRIMARY KEY,
    SUBDIARIO       CHAR(4) COLLATE SQLSRV_CI
);

-- Number ranges (talonarios), one row per range of a voucher type. The
-- per-letter columns exist for every letter the suite issues (A, B, C, E,
-- R, X, M); the expiry column has no underscore (AVence ...). Branches and
-- numbers are whole numbers here: the program compares them numerically.
-- EXTERNO is a yes/no text: vouchers numbered by the issuer (supplier
-- invoices) are not checked against a range.
CREATE TABLE TA_CPTE (
    CODIGO             CHAR(4)     COLLATE SQLSRV_CI NOT NULL,
    TALONARIO          SMALLINT    NOT NULL,
    DESCRIPCION        VARCHAR(50) COLLATE SQLSRV_CI,
    UNEGOCIO           CHAR(4)     COLLATE SQLSRV_CI,
    Letras             VARCHAR(7)  COLLATE SQLSRV_CI,
    EXTERNO            VARCHAR(2)  COLLATE SQLSRV_CI DEFAULT 'NO',
    Modificanumeracion BIT NOT NULL DEFAULT 0,
    A_SUC_DEFAULT INT DEFAULT 0, A_NRO_DESDE INT DEFAULT 0, A_NRO_HASTA INT DEFAULT 0, A_ULTIMO_NRO INT DEFAULT 0, AVence DATETIME,
    B_SUC_DEFAULT INT DEFAULT 0, B_NRO_DESDE INT DEFAULT 0, B_NRO_HASTA INT DEFAULT 0, B_ULTIMO_NRO INT DEFAULT 0, BVence DATETIME,
    C_SUC_DEFAULT INT DEFAULT 0, C_NRO_DESDE INT DEFAULT 0, C_NRO_HASTA INT DEFAULT 0, C_ULTIMO_NRO INT DEFAULT 0, CVence DATETIME,
    E_SUC_DEFAULT INT DEFAULT 0, E_NRO_DESDE INT DEFAULT 0, E_NRO_HASTA INT DEFAULT 0, E_ULTIMO_NRO INT DEFAULT 0, EVence DATETIME,
    R_SUC_DEFAULT INT DEFAULT 0, R_NRO_DESDE INT DEFAULT 0, R_NRO_HASTA INT DEFAULT 0, R_ULTIMO_NRO INT DEFAULT 0, RVence DATETIME,
    X_SUC_DEFAULT INT DEFAULT 0, X_NRO_DESDE INT DEFAULT 0, X_NRO_HASTA INT DEFAULT 0, X_ULTIMO_NRO INT DEFAULT 0, XVence DATETIME,
    M_SUC_DEFAULT INT DEFAULT 0, M_NRO_DESDE INT DEFAULT 0, M_NRO_HASTA INT DEFAULT 0, M_ULTIMO_NRO INT DEFAULT 0, MVence DATETIME,
    PRIMARY KEY (CODIGO, TALONARIO)
);
CREATE VIEW V_TA_CPTE AS SELECT * FROM TA_CPTE;

-- The voucher-type lookup: one row per type, unlike V_TA_CPTE (one per range).
CREATE VIEW VT_TA_CPTE AS SELECT CODIGO, DESCRIPCION, CIRCUITO FROM TA_COMPROBANTES;

-- Keys reserved by a voucher being entered elsewhere. A table, not a view:
-- the program deletes from it directly and nothing derives it.
CREATE TABLE V_MV_CTROL_CPTE (
    TC              CHAR(4)     COLLATE SQLSRV_CI NOT NULL,
    SUCURSAL        CHAR(4)     COLLATE SQLSRV_CI NOT NULL,
    NUMERO          CHAR(8)     COLLATE SQLSRV_CI NOT NULL,
    LETRA           CHAR(1)     COLLATE SQLSRV_CI NOT NULL,
    USUARIO         VARCHAR(30) COLLATE SQLSRV_CI,
    FECHAHORA       DATETIME,
    PRIMARY KEY (TC, SUCURSAL, NUMERO, LETRA)
);

--------------------------------------------------------------------------
-- Journal
--------------------------------------------------------------------------

-- Journal-entry lines. A voucher's entry is its lines in SECUENCIA order;
-- the header fields (CABCUENTA, CABNOMBRE, CABIMPORTE) carry the supplier
-- side. A pending difference is an entry of type NCPE whose origin
-- (TC_ORIGEN, CPTE_ORIGEN) is the purchase voucher it corrects; ESTADO is
-- the difference's follow-up state on the NCPE lines and, on the origin's
-- lines, 1 while that difference awaits review. CONCILIADO keeps reconciled
-- lines out of the audit. Entry numbers count per period, operating month
-- and registration type (TIPO_REG).
CREATE TABLE MV_ASIENTOS (
    TC                      CHAR(4)      COLLATE SQLSRV_CI NOT NULL,
    SUCURSAL                CHAR(4)      COLLATE SQLSRV_CI NOT NULL,
    NUMERO                  CHAR(8)      COLLATE SQLSRV_CI NOT NULL,
    LETRA                   CHAR(1)      COLLATE SQLSRV_CI NOT NULL,
    IDCOMPROBANTE           CHAR(13)     COLLATE SQLSRV_CI
                            GENERATED ALWAYS AS (SUCURSAL || NUMERO || LETRA) VIRTUAL,
    SECUENCIA               SMALLINT     NOT NULL,
    FECHA                   DATETIME     NOT NULL,
    FECHASUBDIARIO          DATETIME,
    PERIODO                 SMALLINT     NOT NULL,
    MES_OPERATIVO           SMALLINT     NOT NULL,
    [NUMERO ASIENTO]        INT,
    TIPO_REG                VARCHAR(4)   COLLATE SQLSRV_CI,
    UNEGOCIO                CHAR(4)      COLLATE SQLSRV_CI,
    CUENTA                  VARCHAR(15)  COLLATE SQLSRV_CI NOT NULL,
    [DEBE-HABER]            CHAR(1)      COLLATE SQLSRV_CI NOT NULL
                            CHECK ([DEBE-HABER] IN ('D', 'H')),
    IMPORTE                 MONEY        NOT NULL DEFAULT 0,
    DETALLE                 VARCHAR(100) COLLATE SQLSRV_CI,
    MONEDA                  CHAR(4)      COLLATE SQLSRV_CI,
    COTIZACION              DECIMAL(18,6) DEFAULT 1,
    IDCAJAS                 CHAR(4)      COLLATE SQLSRV_CI,
    NROCAI                  VARCHAR(20)  COLLATE SQLSRV_CI,
    IDBANCO                 CHAR(4)      COLLATE SQLSRV_CI,
    NROCOMPROBANTEBANCARIO  VARCHAR(20)  COLLATE SQLSRV_CI,
    VENCIMIENTO             DATETIME,
    TC_ORIGEN               CHAR(4)      COLLATE SQLSRV_CI,
    CPTE_ORIGEN             CHAR(13)     COLLATE SQLSRV_CI,
    CABCUENTA               VARCHAR(15)  COLLATE SQLSRV_CI,
    CABNOMBRE               VARCHAR(100) COLLATE SQLSRV_CI,
    CABIMPORTE              MONEY,
    ESTADO                  INT          DEFAULT 0,
    IDMOTIVO                CHAR(4)      COLLATE SQLSRV_CI,
    LIVA_ALICIVA            DECIMAL(7,4),
    CONCILIADO              BIT          NOT NULL DEFAULT 0,
    USUARIO_LOGEADO         VARCHAR(30)  COLLATE SQLSRV_CI,
    FECHAHORA_GRABACION     DATETIME,
    PRIMARY KEY (TC, SUCURSAL, NUMERO, LETRA, SECUENCIA)
);
-- The audit list: NCPE, first line, not reconciled, by date (newest first).
-- It also holds every other column the list filters on or reads, so the
-- list is read from the index alone, in its order, never from the table
-- (whose rows lie in the order they were written, not by date).
CREATE INDEX IX_MV_ASIENTOS_LISTA
    ON MV_ASIENTOS (TC, SECUENCIA, CONCILIADO, FECHA, ESTADO, CABCUENTA, CUENTA,
                    CABNOMBRE, TC_ORIGEN, CPTE_ORIGEN, IMPORTE, SUCURSAL, NUMERO, LETRA);
-- The same list filtered by supplier account.
CREATE INDEX IX_MV_ASIENTOS_CABCUENTA ON MV_ASIENTOS (CABCUENTA, TC);
CREATE INDEX IX_MV_ASIENTOS_CUENTA ON MV_ASIENTOS (CUENTA, FECHA);
CREATE INDEX IX_MV_ASIENTOS_ORIGEN ON MV_ASIENTOS (TC_ORIGEN, CPTE_ORIGEN);
CREATE INDEX IX_MV_ASIENTOS_IDCOMPROBANTE ON MV_ASIENTOS (TC, IDCOMPROBANTE);
-- Next entry number of a month, period and registration type.
CREATE INDEX IX_MV_ASIENTOS_NUMERACION
    ON MV_ASIENTOS (PERIODO, MES_OPERATIVO, TIPO_REG, [NUMERO ASIENTO]);

-- Applications: a voucher applied to the voucher it settles or corrects
-- (an NCPE to its purchase invoice, an invoice to its order). No natural
-- key: the same pair may be applied on more than one account.
CREATE TABLE MV_APLICACION (
    CUENTA                  VARCHAR(15) COLLATE SQLSRV_CI,
    TC                      CHAR(4)     COLLATE SQLSRV_CI NOT NULL,
    SUCURSAL                CHAR(4)     COLLATE SQLSRV_CI NOT NULL,
    NUMERO                  CHAR(8)     COLLATE SQLSRV_CI NOT NULL,
    LETRA                   CHAR(1)     COLLATE SQLSRV_CI NOT NULL,
    IDCOMPROBANTE           CHAR(13)    COLLATE SQLSRV_CI
                            GENERATED ALWAYS AS (SUCURSAL || NUMERO || LETRA) VIRTUAL,
    TCO_ORIGEN              CHAR(4)     COLLATE SQLSRV_CI,
    SUCURSAL_ORIGEN         CHAR(4)     COLLATE SQLSRV_CI,
    NUMERO_ORIGEN           CHAR(8)     COLLATE SQLSRV_CI,
    LETRA_ORIGEN            CHAR(1)     COLLATE SQLSRV_CI,
    IDCOMPROBANTE_ORIGEN    CHAR(13)    COLLATE SQLSRV_CI
                            GENERATED ALWAYS AS (SUCURSAL_ORIGEN || NUMERO_ORIGEN || LETRA_ORIGEN) VIRTUAL,
    IMPORTE                 MONEY       NOT NULL DEFAULT 0
);
CREATE INDEX IX_MV_APLICACION_CPTE
    ON MV_APLICACION (TC, SUCURSAL, NUMERO, LETRA);
CREATE INDEX IX_MV_APLICACION_ORIGEN
    ON MV_APLICACION (TCO_ORIGEN, SUCURSAL_ORIGEN, NUMERO_ORIGEN, LETRA_ORIGEN);

-- The journal read account by account, amounts split into debit and credit.
CREATE VIEW AC_CUENTASDIARIO AS
    SELECT a.PERIODO, a.MES_OPERATIVO, a.TIPO_REG, a.[NUMERO ASIENTO],
           a.FECHA, a.TC, a.SUCURSAL, a.NUMERO, a.LETRA, a.SECUENCIA,
           a.CUENTA, c.DESCRIPCION, a.[DEBE-HABER], a.DETALLE, a.UNEGOCIO,
           CASE WHEN a.[DEBE-HABER] = 'D' THEN a.IMPORTE ELSE 0 END AS DEBE,
           CASE WHEN a.[DEBE-HABER] = 'H' THEN a.IMPORTE ELSE 0 END AS HABER
      FROM MV_ASIENTOS a LEFT JOIN MA_CUENTAS c ON c.CODIGO = a.CUENTA;

--------------------------------------------------------------------------
-- Vouchers: headers, items, tasks, observations, history, stock, trips
--------------------------------------------------------------------------

-- Voucher headers of every circuit, one row per voucher. A purchase voucher
-- carries the supplier's own number, so two suppliers may use the same key:
-- its account is part of the key, and the purchase pages always ask for it.
-- A sales voucher is told apart by IDCOMPLEMENTO instead. ID is the row's
-- internal number, shown by the voucher pick list.
-- Amounts: IMPORTE_S_IVA is the subtotal before the header discounts; VAT
-- is charged on the subtotal less discounts, at up to four rates (the
-- purchase side uses two), and IMPORTE is the voucher total. Withholdings
-- (RETGAN/RETIBR/RETIVA) belong to receipts and payments. FINALIZADO marks
-- a voucher fully processed (an order invoiced, a note delivered or billed).
-- Outside the key, columns may be Null: the pages and the pick list say how
-- they show a Null amount, flag or complement.
CREATE TABLE MV_CPTE (
    ID                       INTEGER PRIMARY KEY,
    TC                       CHAR(4)      COLLATE SQLSRV_CI NOT NULL,
    SUCURSAL                 CHAR(4)      COLLATE SQLSRV_CI NOT NULL,
    NUMERO                   CHAR(8)      COLLATE SQLSRV_CI NOT NULL,
    LETRA                    CHAR(1)      COLLATE SQLSRV_CI NOT NULL,
    IDCOMPROBANTE            CHAR(13)     COLLATE SQLSRV_CI
                             GENERATED ALWAYS AS (SUCURSAL || NUMERO || LETRA) VIRTUAL,
    IDCOMPLEMENTO            INT          DEFAULT 1,
    FECHA                    DATETIME     NOT NULL,
    CUENTA                   VARCHAR(15)  COLLATE SQLSRV_CI NOT NULL,
    NOMBRE                   VARCHAR(100) COLLATE SQLSRV_CI,
    DOMICILIO                VARCHAR(100) COLLATE SQLSRV_CI,
    LOCALIDAD                VARCHAR(50)  COLLATE SQLSRV_CI,
    CODIGOPOSTAL             VARCHAR(8)   COLLATE SQLSRV_CI,
    TELEFONO                 VARCHAR(30)  COLLATE SQLSRV_CI,
    UNEGOCIO                 CHAR(4)      COLLATE SQLSRV_CI,
    MONEDA                   CHAR(4)      COLLATE SQLSRV_CI,
    -- Service data of a sale (vehicle or equipment, estimated dates).
    MATRICULA                VARCHAR(20)  COLLATE SQLSRV_CI,
    MODELO                   VARCHAR(50)  COLLATE SQLSRV_CI,
    SERIE                    VARCHAR(30)  COLLATE SQLSRV_CI,
    FECHAESTINICIO           DATETIME,
    FECHAESTFIN              DATETIME,
    FECHAPREPARACION         DATETIME,
    IMPORTE_S_IVA            MONEY        DEFAULT 0,
    PORCDESCUENTO1           DECIMAL(7,4) DEFAULT 0,
    IMPDESCUENTO1            MONEY        DEFAULT 0,
    PORCDESCUENTO2           DECIMAL(7,4) DEFAULT 0,
    IMPDESCUENTO2            MONEY        DEFAULT 0,
    PORCDESCUENTO3           DECIMAL(7,4) DEFAULT 0,
    IMPDESCUENTO3            MONEY        DEFAULT 0,
    PORCDESCUENTO4           DECIMAL(7,4) DEFAULT 0,
    IMPDESCUENTO4            MONEY        DEFAULT 0,
    IMPORTEIMPUESTOSINTERNOS MONEY        DEFAULT 0,
    ALICIVA                  DECIMAL(7,4) DEFAULT 0,
    IMPORTEIVA               MONEY        DEFAULT 0,
    ALICIVA2                 DECIMAL(7,4) DEFAULT 0,
    IMPORTEIVA2              MONEY        DEFAULT 0,
    ALICIVA3                 DECIMAL(7,4) DEFAULT 0,
    IMPIVA3                  MONEY        DEFAULT 0,
    ALICIVA4                 DECIMAL(7,4) DEFAULT 0,
    IMPIVA4                  MONEY        DEFAULT 0,
    ALICIVAREC               DECIMAL(7,4) DEFAULT 0,
    IMPORTEIVAREC            MONEY        DEFAULT 0,
    RETGAN_IMPORTE           MONEY        DEFAULT 0,
    RETIBR_IMPORTE           MONEY        DEFAULT 0,
    RETIVA_IMPORTE           MONEY        DEFAULT 0,
    IMPORTE                  MONEY        DEFAULT 0,
    COMENTARIOS              VARCHAR(255) COLLATE SQLSRV_CI,
    APROBADO                 BIT          DEFAULT 0,
    ANULADA                  BIT          DEFAULT 0,
    FINALIZADO               BIT          DEFAULT 0,
    GARANTIA                 BIT          DEFAULT 0,
    UNIQUE (TC, SUCURSAL, NUMERO, LETRA, CUENTA, IDCOMPLEMENTO)
);
CREATE INDEX IX_MV_CPTE_IDCOMPROBANTE ON MV_CPTE (TC, IDCOMPROBANTE);
CREATE INDEX IX_MV_CPTE_CUENTA ON MV_CPTE (CUENTA, FECHA);

-- The purchase view (circuit 'C') and the sales view (every other circuit,
-- receipts and payments included). Their columns are listed because the
-- two sides differ: purchases have no complement and no service data, and
-- the program spells the processed flag FINALIZADO for purchases and
-- FINALIZADA for sales.
CREATE VIEW C_MV_CPTE AS
    SELECT ID, TC, SUCURSAL, NUMERO, LETRA, IDCOMPROBANTE, FECHA, CUENTA,
           NOMBRE, DOMICILIO, LOCALIDAD, CODIGOPOSTAL, TELEFONO, UNEGOCIO,
           MONEDA, IMPORTE_S_IVA, PORCDESCUENTO1, IMPDESCUENTO1,
           PORCDESCUENTO2, IMPDESCUENTO2, PORCDESCUENTO3, IMPDESCUENTO3,
           PORCDESCUENTO4, IMPDESCUENTO4, IMPORTEIMPUESTOSINTERNOS, ALICIVA,
           IMPORTEIVA, ALICIVA2, IMPORTEIVA2, ALICIVAREC, IMPORTEIVAREC,
           IMPORTE, COMENTARIOS, APROBADO, ANULADA, FINALIZADO, GARANTIA
      FROM MV_CPTE
     WHERE TC IN (SELECT CODIGO FROM TA_COMPROBANTES WHERE CIRCUITO = 'C');
CREATE VIEW V_MV_CPTE AS
    SELECT ID, TC, SUCURSAL, NUMERO, LETRA, IDCOMPROBANTE, IDCOMPLEMENTO,
           FECHA, CUENTA, NOMBRE, DOMICILIO, LOCALIDAD, CODIGOPOSTAL,
           TELEFONO, UNEGOCIO, MONEDA, MATRICULA, MODELO, SERIE,
           FECHAESTINICIO, FECHAESTFIN, FECHAPREPARACION, IMPORTE_S_IVA,
           PORCDESCUENTO1, IMPDESCUENTO1, PORCDESCUENTO2, IMPDESCUENTO2,
           PORCDESCUENTO3, IMPDESCUENTO3, PORCDESCUENTO4, IMPDESCUENTO4,
           IMPORTEIMPUESTOSINTERNOS, ALICIVA, IMPORTEIVA, ALICIVA2,
           IMPORTEIVA2, ALICIVA3, IMPIVA3, ALICIVA4, IMPIVA4, ALICIVAREC,
           IMPORTEIVAREC, RETGAN_IMPORTE, RETIBR_IMPORTE, RETIVA_IMPORTE,
           IMPORTE, COMENTARIOS, APROBADO, ANULADA,
           FINALIZADO AS FINALIZADA
      FROM MV_CPTE
     WHERE TC NOT IN (SELECT CODIGO FROM TA_COMPROBANTES WHERE CIRCUITO = 'C');

-- What the voucher pick list offers as still open: delivery notes not yet
-- invoiced, work orders and budgets not yet finished or voided.
CREATE VIEW C_REMITOSPENDIENTES AS
    SELECT * FROM C_MV_CPTE WHERE TC = 'RMC' AND FINALIZADO = 0 AND ANULADA = 0;
CREATE VIEW V_REMITOSPENDIENTES AS
    SELECT * FROM V_MV_CPTE WHERE TC = 'RM' AND FINALIZADA = 0 AND ANULADA = 0;
CREATE VIEW V_OT_PENDIENTES AS
    SELECT * FROM V_MV_CPTE WHERE TC = 'OT' AND FINALIZADA = 0 AND ANULADA = 0;
CREATE VIEW V_PR_PENDIENTES AS
    SELECT * FROM V_MV_CPTE WHERE TC = 'PR' AND FINALIZADA = 0 AND ANULADA = 0;

-- Lines of a voucher: articles (INSUMOS), labour (TAREAS) and typed remarks
-- (OBSERV). Each is keyed like its header: the purchase pages find the lines
-- by the supplier account, the sales pages by the complement. The sales and
-- purchase views split them by circuit as the header views do.
-- IMPORTE is the unit price, IMPORTEDTO the line's discount and TOTAL the
-- quantity times the price less that discount.
CREATE TABLE MV_CPTEINSUMOS (
    TC              CHAR(4)      COLLATE SQLSRV_CI NOT NULL,
    SUCURSAL        CHAR(4)      COLLATE SQLSRV_CI NOT NULL,
    NUMERO          CHAR(8)      COLLATE SQLSRV_CI NOT NULL,
    LETRA           CHAR(1)      COLLATE SQLSRV_CI NOT NULL,
    IDCOMPROBANTE   CHAR(13)     COLLATE SQLSRV_CI
                    GENERATED ALWAYS AS (SUCURSAL || NUMERO || LETRA) VIRTUAL,
    CUENTA          VARCHAR(15)  COLLATE SQLSRV_CI NOT NULL,
    IDCOMPLEMENTO   INT          NOT NULL DEFAULT 1,
    SECUENCIA       SMALLINT     NOT NULL,
    IDARTICULO      CHAR(25)     COLLATE SQLSRV_CI NOT NULL,
    DESCRIPCION     VARCHAR(100) COLLATE SQLSRV_CI,
    IDUNIDAD        CHAR(4)      COLLATE SQLSRV_CI,
    CANTIDAD        DECIMAL(18,4) DEFAULT 0,
    IMPORTE         MONEY        DEFAULT 0,
    IMPORTEDTO      MONEY        DEFAULT 0,
    TOTAL           MONEY        DEFAULT 0,
    PRIMARY KEY (TC, SUCURSAL, NUMERO, LETRA, CUENTA, IDCOMPLEMENTO, SECUENCIA)
);
CREATE INDEX IX_MV_CPTEINSUMOS_IDCOMPROBANTE ON MV_CPTEINSUMOS (TC, IDCOMPROBANTE);
CREATE VIEW C_MV_CPTEINSUMOS AS
    SELECT * FROM MV_CPTEINSUMOS
     WHERE TC IN (SELECT CODIGO FROM TA_COMPROBANTES WHERE CIRCUITO = 'C');
CREATE VIEW V_MV_CPTEINSUMOS AS
    SELECT * FROM MV_CPTEINSUMOS
     WHERE TC NOT IN (SELECT CODIGO FROM TA_COMPROBANTES WHERE CIRCUITO = 'C');

-- HORAS holds minutes: the page shows it divided by 60. TOTAL is the hours
-- times VALORHORA.
CREATE TABLE MV_CPTETAREAS (
    TC              CHAR(4)      COLLATE SQLSRV_CI NOT NULL,
    SUCURSAL        CHAR(4)      COLLATE SQLSRV_CI NOT NULL,
    NUMERO          CHAR(8)      COLLATE SQLSRV_CI NOT NULL,
    LETRA           CHAR(1)      COLLATE SQLSRV_CI NOT NULL,
    IDCOMPROBANTE   CHAR(13)     COLLATE SQLSRV_CI
                    GENERATED ALWAYS AS (SUCURSAL || NUMERO || LETRA) VIRTUAL,
    CUENTA          VARCHAR(15)  COLLATE SQLSRV_CI NOT NULL,
    IDCOMPLEMENTO   INT          NOT NULL DEFAULT 1,
    SECUENCIA       SMALLINT     NOT NULL,
    IDTAREA         VARCHAR(10)  COLLATE SQLSRV_CI NOT NULL,
    DESCRIPCION     VARCHAR(100) COLLATE SQLSRV_CI,
    HORAS           INT          DEFAULT 0,
    VALORHORA       MONEY        DEFAULT 0,
    TOTAL           MONEY        DEFAULT 0,
    PRIMARY KEY (TC, SUCURSAL, NUMERO, LETRA, CUENTA, IDCOMPLEMENTO, SECUENCIA)
);
CREATE INDEX IX_MV_CPTETAREAS_IDCOMPROBANTE ON MV_CPTETAREAS (TC, IDCOMPROBANTE);
CREATE VIEW C_MV_CPTETAREAS AS
    SELECT * FROM MV_CPTETAREAS
     WHERE TC IN (SELECT CODIGO FROM TA_COMPROBANTES WHERE CIRCUITO = 'C');
CREATE VIEW V_MV_CPTETAREAS AS
    SELECT * FROM MV_CPTETAREAS
     WHERE TC NOT IN (SELECT CODIGO FROM TA_COMPROBANTES WHERE CIRCUITO = 'C');

CREATE TABLE MV_CPTE_OBSERV (
    TC              CHAR(4)      COLLATE SQLSRV_CI NOT NULL,
    SUCURSAL        CHAR(4)      COLLATE SQLSRV_CI NOT NULL,
    NUMERO          CHAR(8)      COLLATE SQLSRV_CI NOT NULL,
    LETRA           CHAR(1)      COLLATE SQLSRV_CI NOT NULL,
    IDCOMPROBANTE   CHAR(13)     COLLATE SQLSRV_CI
                    GENERATED ALWAYS AS (SUCURSAL || NUMERO || LETRA) VIRTUAL,
    CUENTA          VARCHAR(15)  COLLATE SQLSRV_CI NOT NULL,
    IDCOMPLEMENTO   INT          NOT NULL DEFAULT 1,
    SECUENCIA       SMALLINT     NOT NULL,
    TIPO_OBS        CHAR(4)      COLLATE SQLSRV_CI,
    OBSERVACION     VARCHAR(255) COLLATE SQLSRV_CI,
    IMPORTE         MONEY        DEFAULT 0,
    PRIMARY KEY (TC, SUCURSAL, NUMERO, LETRA, CUENTA, IDCOMPLEMENTO, SECUENCIA)
);
CREATE INDEX IX_MV_CPTE_OBSERV_IDCOMPROBANTE ON MV_CPTE_OBSERV (TC, IDCOMPROBANTE);
CREATE VIEW C_MV_CPTE_OBSERV AS
    SELECT * FROM MV_CPTE_OBSERV
     WHERE TC IN (SELECT CODIGO FROM TA_COMPROBANTES WHERE CIRCUITO = 'C');
CREATE VIEW V_MV_CPTE_OBSERV AS
    SELECT * FROM MV_CPTE_OBSERV
     WHERE TC NOT IN (SELECT CODIGO FROM TA_COMPROBANTES WHERE CIRCUITO = 'C');

-- Vouchers handed to a third party (sent out and back), by internal number.
CREATE TABLE MV_CPTETERCEROS (
    ID              INTEGER PRIMARY KEY,
    TC              CHAR(4)      COLLATE SQLSRV_CI NOT NULL,
    IDCOMPROBANTE   CHAR(13)     COLLATE SQLSRV_CI NOT NULL,
    IDCOMPLEMENTO   INT          DEFAULT 1,
    CUENTA          VARCHAR(15)  COLLATE SQLSRV_CI,
    FECHA           DATETIME     NOT NULL,
    FECHAENVIADO    DATETIME,
    FECHARECIBIDO   DATETIME,
    DETALLE         VARCHAR(100) COLLATE SQLSRV_CI
);
CREATE VIEW V_MV_CPTETERCEROS AS SELECT * FROM MV_CPTETERCEROS;

-- History of actions on vouchers and journal entries, as the suite's
-- programs record them: TIPO_ACCION 'A' added, 'M' modified, 'B' voided.
-- Only the joined voucher key is kept. Rows of a voucher with a journal
-- entry also name that entry (TIPO_REG, MES_OPERATIVO, NUMEROASIENTO, the
-- last without the blank of [NUMERO ASIENTO]). SYSTEMUSER is the login the
-- database saw, USUARIO the suite's user.
CREATE TABLE MV_CPTEACCIONES (
    ID              INTEGER PRIMARY KEY,
    TC              CHAR(4)      COLLATE SQLSRV_CI NOT NULL,
    IDCOMPROBANTE   CHAR(13)     COLLATE SQLSRV_CI NOT NULL,
    IDCOMPLEMENTO   INT          DEFAULT 1,
    TIPO_REG        VARCHAR(4)   COLLATE SQLSRV_CI,
    MES_OPERATIVO   SMALLINT,
    NUMEROASIENTO   INT,
    TIPO_ACCION     CHAR(1)      COLLATE SQLSRV_CI,
    FECHAHORA       DATETIME,
    USUARIO         VARCHAR(30)  COLLATE SQLSRV_CI,
    PC              VARCHAR(50)  COLLATE SQLSRV_CI,
    SYSTEMUSER      VARCHAR(60)  COLLATE SQLSRV_CI
);
CREATE INDEX IX_MV_CPTEACCIONES_CPTE ON MV_CPTEACCIONES (TC, IDCOMPROBANTE);
CREATE VIEW V_MV_CPTEACCIONES AS SELECT * FROM MV_CPTEACCIONES;

-- Stock-movement vouchers (IR reception reports, AJP, AJN), one row per
-- article line with the voucher's own columns repeated on every line
-- (SECUENCIA 1 is the first). A reception report keeps the order it comes
-- from as type and joined key (TC_ORIGEN, IDCOMPROBANTE_ORIGEN). COSTO is
-- the unit cost, PRECIOVENTA the article's list price when it was received.
-- The stock page names most of these columns without a table prefix while
-- it joins deposits and business units; those two tables therefore keep to
-- a code, a description and (deposits) UNIDADNEGOCIO.
CREATE TABLE MV_STOCK (
    TC                   CHAR(4)      COLLATE SQLSRV_CI NOT NULL,
    SUCURSAL             CHAR(4)      COLLATE SQLSRV_CI NOT NULL,
    NUMERO               CHAR(8)      COLLATE SQLSRV_CI NOT NULL,
    LETRA                CHAR(1)      COLLATE SQLSRV_CI NOT NULL,
    IDCOMPROBANTE        CHAR(13)     COLLATE SQLSRV_CI
                         GENERATED ALWAYS AS (SUCURSAL || NUMERO || LETRA) VIRTUAL,
    IDCOMPLEMENTO        INT          DEFAULT 1,
    SECUENCIA            SMALLINT     NOT NULL,
    FECHA                DATETIME     NOT NULL,
    CUENTAPROVEEDOR      VARCHAR(15)  COLLATE SQLSRV_CI,
    CONTROLADOPOR        VARCHAR(60)  COLLATE SQLSRV_CI,
    UNEGOCIO             CHAR(4)      COLLATE SQLSRV_CI,
    IDDEPOSITO           CHAR(4)      COLLATE SQLSRV_CI,
    TC_ORIGEN            CHAR(4)      COLLATE SQLSRV_CI,
    IDCOMPROBANTE_ORIGEN CHAR(13)     COLLATE SQLSRV_CI,
    IDARTICULO           CHAR(25)     COLLATE SQLSRV_CI NOT NULL,
    DESCRIPCION          VARCHAR(100) COLLATE SQLSRV_CI,
    IDUNIDAD             CHAR(4)      COLLATE SQLSRV_CI,
    CANTIDAD             DECIMAL(18,4) DEFAULT 0,
    COSTO                MONEY        DEFAULT 0,
    PRECIOVENTA          MONEY        DEFAULT 0,
    PRIMARY KEY (TC, SUCURSAL, NUMERO, LETRA, SECUENCIA)
);
CREATE INDEX IX_MV_STOCK_IDCOMPROBANTE ON MV_STOCK (TC, IDCOMPROBANTE);
CREATE INDEX IX_MV_STOCK_ORIGEN ON MV_STOCK (TC_ORIGEN, IDCOMPROBANTE_ORIGEN);
CREATE VIEW V_MV_STOCK AS SELECT * FROM MV_STOCK;

-- Trip vouchers (VJ).
CREATE TABLE MV_VIAJES (
    TC              CHAR(4)      COLLATE SQLSRV_CI NOT NULL,
    SUCURSAL        CHAR(4)      COLLATE SQLSRV_CI NOT NULL,
    NUMERO          CHAR(8)      COLLATE SQLSRV_CI NOT NULL,
    LETRA           CHAR(1)      COLLATE SQLSRV_CI NOT NULL,
    IDCOMPROBANTE   CHAR(13)     COLLATE SQLSRV_CI
                    GENERATED ALWAYS AS (SUCURSAL || NUMERO || LETRA) VIRTUAL,
    FECHA           DATETIME     NOT NULL,
    DETALLE         VARCHAR(100) COLLATE SQLSRV_CI,
    PRIMARY KEY (TC, SUCURSAL, NUMERO, LETRA)
);
CREATE INDEX IX_MV_VIAJES_IDCOMPROBANTE ON MV_VIAJES (TC, IDCOMPROBANTE);

--------------------------------------------------------------------------
-- Purchase motives and VAT accounts
--------------------------------------------------------------------------

-- HABILITADOPARA holds one voucher type (or a piece of one): a
-- motive is offered for a type when this text occurs within the type code,
-- so 'NCPE' and 'NC' both enable it for NCPE. Motive codes are four
-- characters, the width the program pads them to.
CREATE TABLE TA_MOTIVOCPRA (
    IDMOTIVOCPRA    CHAR(4)     COLLATE SQLSRV_CI NOT NULL PRIMARY KEY,
    DESCRIPCION     VARCHAR(60) COLLATE SQLSRV_CI NOT NULL,
    HABILITADOPARA  VARCHAR(20) COLLATE SQLSRV_CI
);
CREATE VIEW V_TA_MOTIVOCPRA AS SELECT * FROM TA_MOTIVOCPRA;

-- Default VAT and perception accounts of purchases; only the first row is
-- read. The CFI_IVARI columns hold the VAT credit account per supplier VAT
-- condition (an empty one falls back to CFI_IVARI).
CREATE TABLE TA_CUENTASIVA (
    ID              INTEGER PRIMARY KEY,
    CFI_IVARI       VARCHAR(15) COLLATE SQLSRV_CI,
    CFI_IVARI1      VARCHAR(15) COLLATE SQLSRV_CI,
    CFI_IVARI2      VARCHAR(15) COLLATE SQLSRV_CI,
    CFI_IVARI3      VARCHAR(15) COLLATE SQLSRV_CI,
    C_CFI_PERCIVA   VARCHAR(15) COLLATE SQLSRV_CI,
    C_CFI_PERCIB    VARCHAR(15) COLLATE SQLSRV_CI,
    C_CFI_PERCGAN   VARCHAR(15) COLLATE SQLSRV_CI,
    C_CFI_IMPINT    VARCHAR(15) COLLATE SQLSRV_CI,
    C_CFI_DESCUENTO VARCHAR(15) COLLATE SQLSRV_CI
);

-- Accounts per purchase motive and VAT condition; they override the
-- defaults above for every column that holds a value.
CREATE TABLE TA_INPUT_COMPRAS (
    IDMOTIVOCPRA    CHAR(4)     COLLATE SQLSRV_CI NOT NULL,
    CONDIVA         CHAR(4)     COLLATE SQLSRV_CI NOT NULL,
    CFI_IVARI       VARCHAR(15) COLLATE SQLSRV_CI,
    CFI_IVARNI      VARCHAR(15) COLLATE SQLSRV_CI,
    C_CFI_PERCIVA   VARCHAR(15) COLLATE SQLSRV_CI,
    C_CFI_PERCIB    VARCHAR(15) COLLATE SQLSRV_CI,
    C_CFI_PERCGAN   VARCHAR(15) COLLATE SQLSRV_CI,
    C_CFI_IMPINT    VARCHAR(15) COLLATE SQLSRV_CI,
    C_CFI_IMPITC    VARCHAR(15) COLLATE SQLSRV_CI,
    C_CFI_DESCUENTO VARCHAR(15) COLLATE SQLSRV_CI,
    PRIMARY KEY (IDMOTIVOCPRA, CONDIVA)
);
CREATE VIEW V_TA_INPUT_COMPRAS AS SELECT * FROM TA_INPUT_COMPRAS;

--------------------------------------------------------------------------
-- Cost centres
--------------------------------------------------------------------------

CREATE TABLE TA_CCOSTO (
    CODIGO          CHAR(4)     COLLATE SQLSRV_CI NOT NULL PRIMARY KEY,
    DESCRIPCION     VARCHAR(50) COLLATE SQLSRV_CI NOT NULL,
    TITULO          BIT NOT NULL DEFAULT 0
);

-- Fixed split of an account over cost centres. VARIABLEPORUD sends the
-- split to MA_CUENTASCCOSTO_UNEG for business units that have their own.
CREATE TABLE MA_CUENTASCCOSTO (
    CODIGO           VARCHAR(15)  COLLATE SQLSRV_CI NOT NULL,
    CCOSTO           CHAR(4)      COLLATE SQLSRV_CI NOT NULL,
    PORCENTAJE       DECIMAL(7,4) NOT NULL DEFAULT 0,
    VARIABLEPORUD    BIT NOT NULL DEFAULT 0,
    PIDECONFIRMACION BIT,
    PRIMARY KEY (CODIGO, CCOSTO)
);

CREATE TABLE MA_CUENTASCCOSTO_UNEG (
    CODIGO          VARCHAR(15)  COLLATE SQLSRV_CI NOT NULL,
    UNEGOCIO        CHAR(4)      COLLATE SQLSRV_CI NOT NULL,
    CCOSTO          CHAR(4)      COLLATE SQLSRV_CI NOT NULL,
    PORCENTAJE      DECIMAL(7,4) NOT NULL DEFAULT 0,
    PRIMARY KEY (CODIGO, UNEGOCIO, CCOSTO)
);

-- Named distribution tables an account can point to (MA_CUENTAS.CC_DIST).
CREATE TABLE MA_CUENTAS_CCDIST (
    CODIGO           CHAR(4)      COLLATE SQLSRV_CI NOT NULL,
    NOMBRE           VARCHAR(50)  COLLATE SQLSRV_CI,
    CONCEPTO         VARCHAR(50)  COLLATE SQLSRV_CI,
    CCOSTO           CHAR(4)      COLLATE SQLSRV_CI NOT NULL,
    PORCENTAJE       DECIMAL(7,4) NOT NULL DEFAULT 0,
    PIDECONFIRMACION BIT,
    PRIMARY KEY (CODIGO, CCOSTO)
);

-- Cost-centre rows of journal lines, tied to the line by period, month,
-- registration type, entry number, account and SECUENCIA. No key: the
-- program writes rows from scripts whose sequence numbering it does not
-- guarantee to be unique.
CREATE TABLE MV_ASIENTOSCCOSTO (
    PERIODO          SMALLINT     NOT NULL,
    [NUMERO ASIENTO] INT,
    [DEBE-HABER]     CHAR(1)      COLLATE SQLSRV_CI,
    TIPO_REG         VARCHAR(4)   COLLATE SQLSRV_CI,
    MONEDA           CHAR(4)      COLLATE SQLSRV_CI,
    FECHA            DATETIME,
    MES_OPERATIVO    SMALLINT,
    CUENTA           VARCHAR(15)  COLLATE SQLSRV_CI NOT NULL,
    SECUENCIA        SMALLINT,
    CCOSTO           CHAR(4)      COLLATE SQLSRV_CI NOT NULL,
    PORCENTAJE       DECIMAL(7,4) NOT NULL DEFAULT 0,
    IMPORTE          MONEY        NOT NULL DEFAULT 0
);
CREATE INDEX IX_MV_ASIENTOSCCOSTO_ASIENTO
    ON MV_ASIENTOSCCOSTO (PERIODO, MES_OPERATIVO, [NUMERO ASIENTO], CUENTA, TIPO_REG, SECUENCIA);

CREATE VIEW AC_CUENTASDIARIO_CCOSTO AS
    SELECT k.PERIODO, k.MES_OPERATIVO, k.TIPO_REG, k.[NUMERO ASIENTO],
           k.FECHA, k.CUENTA, c.DESCRIPCION, k.SECUENCIA, k.CCOSTO,
           t.DESCRIPCION AS DESCRIPCIONCCOSTO, k.[DEBE-HABER], k.PORCENTAJE,
           CASE WHEN k.[DEBE-HABER] = 'D' THEN k.IMPORTE ELSE 0 END AS DEBE,
           CASE WHEN k.[DEBE-HABER] = 'H' THEN k.IMPORTE ELSE 0 END AS HABER
      FROM MV_ASIENTOSCCOSTO k
           LEFT JOIN MA_CUENTAS c ON c.CODIGO = k.CUENTA
           LEFT JOIN TA_CCOSTO t ON t.CODIGO = k.CCOSTO;

--------------------------------------------------------------------------
-- Small code tables
--------------------------------------------------------------------------

-- Business units. Joined to journal lines, vouchers and stock movements
-- whose columns the pages name without a prefix, so it keeps to these two.
CREATE TABLE TA_UNIDADNEGOCIO (
    CODIGO          CHAR(4)     COLLATE SQLSRV_CI NOT NULL PRIMARY KEY,
    DESCRIPCION     VARCHAR(50) COLLATE SQLSRV_CI NOT NULL
);
CREATE VIEW V_TA_UNIDADNEGOCIO AS SELECT * FROM TA_UNIDADNEGOCIO;

-- Currencies of amounts (MV_ASIENTOS.MONEDA, with its leading blanks); the printed
-- journal entry names its currency from here.
CREATE TABLE TA_MONEDAS (
    MONEDA          CHAR(4)     COLLATE SQLSRV_CI NOT NULL PRIMARY KEY,
    DESCRIPCION     VARCHAR(50) COLLATE SQLSRV_CI NOT NULL
);

-- Banks of cheques and transfers (MV_ASIENTOS.IDBANCO). Joined to journal
-- lines like the business units, with the same restraint: no CUENTA here.
CREATE TABLE TA_BANCOS (
    IDBANCO         CHAR(4)     COLLATE SQLSRV_CI NOT NULL PRIMARY KEY,
    DESCRIPCION     VARCHAR(50) COLLATE SQLSRV_CI NOT NULL
);
CREATE VIEW V_TA_BANCOS AS SELECT * FROM TA_BANCOS;

-- Deposits; UNIDADNEGOCIO (not UNEGOCIO, which the stock page reads from
-- the movement) is the business unit a deposit belongs to.
CREATE TABLE TA_DEPOSITO (
    IDDEPOSITO      CHAR(4)     COLLATE SQLSRV_CI NOT NULL PRIMARY KEY,
    DESCRIPCION     VARCHAR(50) COLLATE SQLSRV_CI NOT NULL,
    UNIDADNEGOCIO   CHAR(4)     COLLATE SQLSRV_CI
);
CREATE VIEW V_TA_DEPOSITO AS SELECT * FROM TA_DEPOSITO;

CREATE TABLE TA_FAMILIAS (
    IDFAMILIA       CHAR(4)     COLLATE SQLSRV_CI NOT NULL PRIMARY KEY,
    DESCRIPCION     VARCHAR(50) COLLATE SQLSRV_CI NOT NULL
);
CREATE VIEW V_TA_FAMILIAS AS SELECT * FROM TA_FAMILIAS;

-- Cash desks; CUENTA is the cash account each one posts to.
CREATE TABLE TA_CAJAS (
    IDCAJAS         CHAR(4)     COLLATE SQLSRV_CI NOT NULL PRIMARY KEY,
    DESCRIPCION     VARCHAR(50) COLLATE SQLSRV_CI NOT NULL,
    CUENTA          VARCHAR(15) COLLATE SQLSRV_CI
);
CREATE VIEW V_TA_CAJAS AS SELECT * FROM TA_CAJAS;

-- Storage positions of a deposit. Codes nest by prefix ('A', 'A-1',
-- 'A-12'), which is how the tree lookup builds its levels.
CREATE TABLE MA_POSICIONES (
    IDPOSICION      VARCHAR(10) COLLATE SQLSRV_CI NOT NULL PRIMARY KEY,
    DESCRIPCION     VARCHAR(50) COLLATE SQLSRV_CI NOT NULL,
    IDDEPOSITO      CHAR(4)     COLLATE SQLSRV_CI
);

--------------------------------------------------------------------------
-- Articles
--------------------------------------------------------------------------

-- Article codes are 25 characters, the width the program pads them to.
-- PRECIO1 is the list price; STOCK the quantity on hand over all deposits,
-- kept by the stock programs; PUNTOPEDIDO the reorder point (0 = none),
-- which with STOCK colours the rows of the article lookup. SUSPENDIDO hides
-- an article from that lookup.
CREATE TABLE MA_ARTICULOS (
    IDARTICULO      CHAR(25)     COLLATE SQLSRV_CI NOT NULL PRIMARY KEY,
    DESCRIPCION     VARCHAR(100) COLLATE SQLSRV_CI NOT NULL,
    IDFAMILIA       CHAR(4)      COLLATE SQLSRV_CI,
    IDUNIDAD        CHAR(4)      COLLATE SQLSRV_CI,
    ALICIVA         DECIMAL(7,4) NOT NULL DEFAULT 21,
    COSTO           MONEY        NOT NULL DEFAULT 0,
    PRECIO1         MONEY        NOT NULL DEFAULT 0,
    PUNTOPEDIDO     DECIMAL(18,4) NOT NULL DEFAULT 0,
    STOCK           DECIMAL(18,4) NOT NULL DEFAULT 0,
    SUSPENDIDO      BIT NOT NULL DEFAULT 0
);
-- The lookups read articles through this name (V_MA_ARTICULOS is rewritten
-- to it before a statement runs).
CREATE VIEW VT_MA_ARTICULOS AS SELECT * FROM MA_ARTICULOS;

-- Stock shortages reported from article lookups. A table, not a view: the
-- program inserts into it directly and nothing derives it.
CREATE TABLE V_MV_FALTANTES (
    IDFALTANTE      INTEGER PRIMARY KEY,
    FECHAHORA       DATETIME     NOT NULL,
    IDARTICULO      CHAR(25)     COLLATE SQLSRV_CI NOT NULL,
    DESCRIPCION     VARCHAR(100) COLLATE SQLSRV_CI,
    USUARIO         VARCHAR(30)  COLLATE SQLSRV_CI
);

--------------------------------------------------------------------------
-- Per-user synonyms
--------------------------------------------------------------------------

-- Users who are not administrators read seven objects through these names.
-- Here they show everything; a site that restricts a user replaces the
-- view's body, and the program does not change. Note the extra underscore
-- in SS_AC_CUENTAS_DIARIO_CCOSTO: the program asks for it spelt that way.
CREATE VIEW SS_MA_CUENTAS AS SELECT * FROM MA_CUENTAS;
CREATE VIEW SS_V_TA_DEPOSITO AS SELECT * FROM V_TA_DEPOSITO;
CREATE VIEW SS_MV_ASIENTOS AS SELECT * FROM MV_ASIENTOS;
CREATE VIEW SS_V_TA_FAMILIAS AS SELECT * FROM V_TA_FAMILIAS;
CREATE VIEW SS_V_TA_CAJAS AS SELECT * FROM V_TA_CAJAS;
CREATE VIEW SS_AC_CUENTASDIARIO AS SELECT * FROM AC_CUENTASDIARIO;
CREATE VIEW SS_AC_CUENTAS_DIARIO_CCOSTO AS SELECT * FROM AC_CUENTASDIARIO_CCOSTO;
