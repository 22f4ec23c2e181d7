-- Prontanota database schema (Firebird, SQL dialect 3, default character set WIN1252).
--
-- The schema as it stands after every upgrade of Instalora. A new database is created
-- empty and each statement below is executed by itself, in order, then the rows of
-- dados_iniciais.sql are inserted.
--
-- Rules of this file: one statement per semicolon, line comments only, no SET TERM,
-- no procedures or triggers, no CREATE DATABASE and no COMMIT lines.
--
-- Columns that the upgrade adds to a database of an earlier release are declared through
-- the same domains the upgrade uses, so that both roads give the same column sources.
-- The other columns carry their plain types.

-- Domains -----------------------------------------------------------------------------

CREATE DOMAIN DM_CHAVE_PRIMARIA AS INTEGER;
CREATE DOMAIN DM_INTEIRO AS INTEGER;
CREATE DOMAIN DM_NUMERICO AS NUMERIC(9,3);
CREATE DOMAIN DM_DINHEIRO AS NUMERIC(18,3);
CREATE DOMAIN DM_DATA AS DATE;
CREATE DOMAIN DM_LOGICO AS CHAR(1);
CREATE DOMAIN DM_VARCHAR_MEDIO AS VARCHAR(30);
CREATE DOMAIN DM_VARCHAR_GRANDE AS VARCHAR(50);
CREATE DOMAIN DM_VARCHAR_MAIOR AS VARCHAR(100);
CREATE DOMAIN DM_NOMECID AS VARCHAR(60);
CREATE DOMAIN DM_CPF_CNPJ AS VARCHAR(14);
CREATE DOMAIN DM_MEMO AS BLOB SUB_TYPE TEXT SEGMENT SIZE 80;
CREATE DOMAIN DM_IMAGEM AS BLOB SUB_TYPE 0 SEGMENT SIZE 80;
CREATE DOMAIN DM_FONE AS VARCHAR(11);

-- Generators (one per table whose key is numbered by the system) ----------------------

CREATE GENERATOR COD_BAIRROS;
CREATE GENERATOR COD_CADASTROS;
CREATE GENERATOR COD_CADASTROSCONTATOS;
CREATE GENERATOR COD_CIDADES;
CREATE GENERATOR COD_EMPRESAS;
CREATE GENERATOR COD_LOGRADOUROS;
CREATE GENERATOR COD_NOTAPROMISSORIA;
CREATE GENERATOR COD_NOTAPROMISSORIALITE;
CREATE GENERATOR COD_USUARIOS;
CREATE GENERATOR COD_USUARIOSCONTATOS;

-- Localities --------------------------------------------------------------------------

-- Federative units, delivered filled (key without generator).
CREATE TABLE ESTADOS (
    ES_CODIGO   INTEGER NOT NULL,
    ES_SIGLA    CHAR(2),
    ES_EXIBIR   CHAR(1),
    CONSTRAINT PK_ESTADOS PRIMARY KEY (ES_CODIGO)
);

CREATE TABLE CIDADES (
    CD_CODIGO       INTEGER NOT NULL,
    CD_NOME         VARCHAR(60),
    CD_COD_ESTADO   INTEGER,
    CD_UF           CHAR(2),
    CD_EXIBIR       CHAR(1),
    CONSTRAINT PK_CIDADES PRIMARY KEY (CD_CODIGO)
);

CREATE TABLE BAIRROS (
    BR_CODIGO       INTEGER NOT NULL,
    BR_NOME         VARCHAR(70),
    BR_COD_CIDADE   INTEGER,
    BR_EXIBIR       CHAR(1),
    CONSTRAINT PK_BAIRROS PRIMARY KEY (BR_CODIGO)
);

CREATE TABLE LOGRADOUROS (
    LG_CODIGO       INTEGER NOT NULL,
    LG_TIPO         VARCHAR(15),
    LG_NOME         VARCHAR(50),
    LG_COD_CIDADE   INTEGER,
    LG_EXIBIR       CHAR(1),
    LG_CEP          CHAR(8),
    CONSTRAINT PK_LOGRADOUROS PRIMARY KEY (LG_CODIGO)
);

-- Persons (emitters and guarantors) ---------------------------------------------------

-- CG_ENDERECO_COMPLETO holds the address text the upgrade composes from street (50),
-- number (8), complement (15), neighbourhood (70), city (60) and UF (2) with their
-- separators, at most 215 characters, so VARCHAR(300) leaves room to spare.
CREATE TABLE CADASTROS (
    CG_CODIGO               INTEGER NOT NULL,
    CG_REFERENCIA           VARCHAR(15),
    CG_TIPO_PESSOA          CHAR(1),
    CG_NOME                 VARCHAR(50),
    CG_NOME2                VARCHAR(50),
    CG_CPF_CNPJ             VARCHAR(14),
    CG_RG_IE                VARCHAR(15),
    CG_IM                   VARCHAR(15),
    CG_COD_CIDADE           INTEGER,
    CG_COD_BAIRRO           INTEGER,
    CG_COD_LOGRADOURO       INTEGER,
    CG_NUMERO               VARCHAR(8),
    CG_COMPLEMENTO          VARCHAR(15),
    CG_CEP                  CHAR(8),
    CG_PTREF                VARCHAR(100),
    CG_DT_NASC              DATE,
    CG_DT_CAD               DATE,
    CG_DT_ATUAL             DATE,
    CG_OBS                  BLOB SUB_TYPE TEXT SEGMENT SIZE 80,
    CG_CONTATOS             BLOB SUB_TYPE TEXT SEGMENT SIZE 80,
    CG_EXIBIR               CHAR(1),
    CG_DESCRICAO            VARCHAR(100),
    CG_ESPECIE              CHAR(1),
    CG_LIMITE_TOTAL         DM_DINHEIRO,
    CG_LIMITE_PARCELA       DM_DINHEIRO,
    CG_ENDERECO_COMPLETO2   DM_MEMO,
    CG_ENDERECO_COMPLETO    VARCHAR(300),
    CONSTRAINT PK_CADASTROS PRIMARY KEY (CG_CODIGO)
);

CREATE TABLE CADASTROSCONTATOS (
    CGC_CODIGO      INTEGER NOT NULL,
    CGC_COD_CAD     INTEGER NOT NULL,
    CGC_TIPO        VARCHAR(30),
    CGC_CONTATO     VARCHAR(50),
    CGC_DETALHES    VARCHAR(50),
    CGC_TIPO2       INTEGER,
    CONSTRAINT PK_CADASTROSCONTATOS PRIMARY KEY (CGC_COD_CAD, CGC_CODIGO)
);

-- Contact types, delivered filled (key without generator). TC_TIPO picks the input mask.
CREATE TABLE TIPOCONTATO (
    TC_CODIGO   INTEGER NOT NULL,
    TC_NOME     VARCHAR(30),
    TC_TIPO     INTEGER,
    CONSTRAINT PK_TIPOCONTATO PRIMARY KEY (TC_CODIGO)
);

-- Companies (creditors) ---------------------------------------------------------------

CREATE TABLE EMPRESAS (
    EM_CODIGO               INTEGER NOT NULL,
    EM_TIPO_PESSOA          CHAR(1),
    EM_NOME                 VARCHAR(50),
    EM_FANTASIA             VARCHAR(50),
    EM_CPF_CNPJ             VARCHAR(14),
    EM_RG_IE                VARCHAR(15),
    EM_IM                   VARCHAR(15),
    EM_COD_CIDADE           INTEGER,
    EM_COD_BAIRRO           INTEGER,
    EM_COD_LOGRADOURO       INTEGER,
    EM_NUMERO               VARCHAR(8),
    EM_COMPLEMENTO          VARCHAR(15),
    EM_CEP                  CHAR(8),
    EM_OBS                  BLOB SUB_TYPE TEXT SEGMENT SIZE 80,
    EM_DT_NASC              DATE,
    EM_DT_ATUAL             DATE,
    EM_DT_CAD               DATE,
    EM_FONE1                DM_FONE,
    EM_FONE2                DM_FONE,
    EM_EMAIL                VARCHAR(50),
    EM_SITE                 VARCHAR(50),
    EM_NOME_IMAGEM          VARCHAR(30),
    EM_LOGO                 BLOB SUB_TYPE 0 SEGMENT SIZE 80,
    EM_ENDERECO_COMPLETO2   DM_MEMO,
    CONSTRAINT PK_EMPRESAS PRIMARY KEY (EM_CODIGO)
);

-- Users and permissions ---------------------------------------------------------------

CREATE TABLE USUARIOS (
    US_CODIGO           INTEGER NOT NULL,
    US_NOME             VARCHAR(50),
    US_CPF_CNPJ         VARCHAR(14),
    US_RG_IE            VARCHAR(15),
    US_COD_CIDADE       INTEGER,
    US_COD_BAIRRO       INTEGER,
    US_COD_LOGRADOURO   INTEGER,
    US_NUMERO           VARCHAR(8),
    US_COMPLEMENTO      VARCHAR(15),
    US_CEP              CHAR(8),
    US_PTREF            VARCHAR(100),
    US_OBS              BLOB SUB_TYPE TEXT SEGMENT SIZE 80,
    US_DT_NASC          DATE,
    US_DT_CAD           DATE,
    US_DT_ATUAL         DATE,
    US_CONTATOS         BLOB SUB_TYPE TEXT SEGMENT SIZE 80,
    CONSTRAINT PK_USUARIOS PRIMARY KEY (US_CODIGO)
);

CREATE TABLE USUARIOSCONTATOS (
    USC_CODIGO      INTEGER NOT NULL,
    USC_COD_CAD     INTEGER,
    USC_TIPO        VARCHAR(30),
    USC_CONTATO     VARCHAR(50),
    USC_DETALHES    VARCHAR(50),
    USC_TIPO2       INTEGER,
    CONSTRAINT PK_USUARIOSCONTATOS PRIMARY KEY (USC_CODIGO)
);

-- One login-and-permission row per user, PUS_CODIGO = US_CODIGO (no generator).
-- Flags hold T or F, a null flag counts as false.
CREATE TABLE USUARIOSPERMISSOES (
    PUS_CODIGO          INTEGER NOT NULL,
    PUS_USUARIO         CHAR(1),
    PUS_LOGIN           VARCHAR(30),
    PUS_SENHA           VARCHAR(30),
    PUS_RESENHA         VARCHAR(30),
    PUS_ADMIN           DM_LOGICO,
    PUS_CPF_CNPJ        VARCHAR(14),
    PUS_DICA_SENHA      VARCHAR(30),
    PUS_BACKUP          DM_LOGICO,
    PUS_LOCALIDADES_V   DM_LOGICO,
    PUS_LOCALIDADES_E   DM_LOGICO,
    PUS_LOCALIDADES_X   DM_LOGICO,
    PUS_LOCALIDADES_R   DM_LOGICO,
    PUS_CLIENTES_V      DM_LOGICO,
    PUS_CLIENTES_E      DM_LOGICO,
    PUS_CLIENTES_X      DM_LOGICO,
    PUS_CLIENTES_R      DM_LOGICO,
    PUS_EMPRESAS_V      DM_LOGICO,
    PUS_EMPRESAS_E      DM_LOGICO,
    PUS_EMPRESAS_X      DM_LOGICO,
    PUS_EMPRESAS_R      DM_LOGICO,
    PUS_USUARIOS_V      DM_LOGICO,
    PUS_USUARIOS_E      DM_LOGICO,
    PUS_USUARIOS_X      DM_LOGICO,
    PUS_USUARIOS_R      DM_LOGICO,
    PUS_NOTASPROMIS_V   DM_LOGICO,
    PUS_NOTASPROMIS_E   DM_LOGICO,
    PUS_NOTASPROMIS_X   DM_LOGICO,
    PUS_NOTASPROMIS_R   DM_LOGICO,
    PUS_RESTORE         DM_LOGICO,
    PUS_NOTASPROMIS_Q   DM_LOGICO,
    PUS_QUADRO_AVISOS   DM_LOGICO,
    CONSTRAINT PK_USUARIOSPERMISSOES PRIMARY KEY (PUS_CODIGO)
);

-- Promissory notes --------------------------------------------------------------------

-- One row per installment. NP_STATUS N open, P paid in full.
-- NP_SALDO_DEVEDOR = NP_VALOR - NP_VALOR_PGTO, kept by the note windows.
CREATE TABLE NOTAPROMISSORIA (
    NP_CODIGO           INTEGER NOT NULL,
    NP_PARCELA          INTEGER,
    NP_TOTAL_PARCELAS   INTEGER,
    NP_DT_EMISSAO       DATE,
    NP_DT_VENCIMENTO    DATE,
    NP_DT_PAGAMENTO     DATE,
    NP_VALOR            NUMERIC(18,3),
    NP_VALOR_PGTO       NUMERIC(18,3),
    NP_COD_CREDOR       INTEGER,
    NP_COD_CIDADE       INTEGER,
    NP_COD_EMITENTE     INTEGER,
    NP_COD_AVALISTA1    INTEGER,
    NP_COD_AVALISTA2    INTEGER,
    NP_OBS              BLOB SUB_TYPE TEXT SEGMENT SIZE 80,
    NP_STATUS           CHAR(1),
    NP_COD_AUXILIAR     DM_NUMERICO,
    NP_PARCELA_EXT      DM_VARCHAR_MEDIO,
    NP_COD_AUXILIAR2    DM_VARCHAR_MEDIO,
    NP_COD_PRACA        DM_INTEIRO,
    NP_SALDO_DEVEDOR    DM_DINHEIRO,
    NP_VALOR_TEMP       DM_DINHEIRO,
    NP_COD_AVALISTA3    DM_INTEIRO,
    NP_COD_AVALISTA4    DM_INTEIRO,
    NP_SIM_NAO          DM_LOGICO,
    NP_COD_EMITENTE2    DM_INTEIRO,
    NP_OBS2             DM_MEMO,
    NP_SEQ              DM_INTEIRO,
    CONSTRAINT PK_NOTAPROMISSORIA PRIMARY KEY (NP_CODIGO)
);

-- Simplified notes with free-text parties.
CREATE TABLE NOTAPROMISSORIALITE (
    NPL_CODIGO              DM_CHAVE_PRIMARIA NOT NULL,
    NPL_PARCELA             DM_INTEIRO,
    NPL_TOTAL_PARCELAS      DM_INTEIRO,
    NPL_DT_EMISSAO          DM_DATA,
    NPL_DT_VENCIMENTO       DM_DATA,
    NPL_DT_PAGAMENTO        DM_DATA,
    NPL_VALOR               DM_DINHEIRO,
    NPL_VALOR_PGTO          DM_DINHEIRO,
    NPL_SALDO_DEVEDOR       DM_DINHEIRO,
    NPL_VALOR_TEMP          DM_DINHEIRO,
    NPL_EMITENTE            DM_VARCHAR_GRANDE,
    NPL_CREDOR              DM_VARCHAR_GRANDE,
    NPL_CIDADE              DM_NOMECID,
    NPL_PRACA               DM_NOMECID,
    NPL_STATUS              DM_LOGICO,
    NPL_OBS                 DM_MEMO,
    NPL_EMITENTE_DOC        DM_CPF_CNPJ,
    NPL_EMITENTE_ENDERECO   DM_VARCHAR_MAIOR,
    NPL_CREDOR_DOC          DM_CPF_CNPJ,
    CONSTRAINT PK_NOTAPROMISSORIALITE PRIMARY KEY (NPL_CODIGO)
);

-- Settings ----------------------------------------------------------------------------

-- One row, CF_CODIGO = 1, written by the program when the database is created.
CREATE TABLE CONFIGS (
    CF_CODIGO                   INTEGER NOT NULL,
    CF_UF_PADRAO                INTEGER,
    CF_BLOQUEIA_LOCALIDADES     CHAR(1),
    CF_EXIBE_CONF_ALT_CADASTRO  CHAR(1),
    CF_PATH_ATUALIZADOR         VARCHAR(100),
    CF_VERSAO                   INTEGER,
    CF_BACKUP                   DATE,
    CF_MODELO_PROMIS            DM_VARCHAR_MEDIO,
    CF_BRASAO                   DM_IMAGEM,
    CF_IMP_RECIBO_NO_ATO        DM_LOGICO,
    CF_NAOIMPRIME_DTEMISS       DM_LOGICO,
    CF_ULT_USUARIO              DM_VARCHAR_MEDIO,
    CF_OBS_PROMIS               DM_MEMO,
    CONSTRAINT PK_CONFIGS PRIMARY KEY (CF_CODIGO)
);

-- Foreign keys ------------------------------------------------------------------------

-- The only declared references: a company that is the creditor of a note and a person
-- who is its emitter cannot be deleted. Every other reference is kept by the program.
-- Instalora issues these same statements at every upgrade and expects them to fail on
-- a database that already has them, so the names must stay as they are.
ALTER TABLE NOTAPROMISSORIA ADD CONSTRAINT FK_NOTAPROMISSORIA_CREDOR FOREIGN KEY (NP_COD_CREDOR) REFERENCES EMPRESAS (EM_CODIGO) ON UPDATE CASCADE ON DELETE NO ACTION;
ALTER TABLE NOTAPROMISSORIA ADD CONSTRAINT FK_NOTAPROMISSORIA_EMITENTE FOREIGN KEY (NP_COD_EMITENTE) REFERENCES CADASTROS (CG_CODIGO) ON UPDATE CASCADE ON DELETE NO ACTION;

-- Indexes -----------------------------------------------------------------------------
-- The foreign keys above already index NP_COD_CREDOR and NP_COD_EMITENTE.

-- Installments: notice-board counters, due-date searches and the default list order.
CREATE INDEX IX_NOTAPROMISSORIA_VENC ON NOTAPROMISSORIA (NP_DT_VENCIMENTO);
-- Open or paid installments by due date (the list as it opens, open-only and paid-only lists).
CREATE INDEX IX_NOTAPROMISSORIA_STATUS ON NOTAPROMISSORIA (NP_STATUS, NP_DT_VENCIMENTO);
-- Descending so that MAX(NP_SEQ) of a new note reads one key, and the installments
-- of a note are found by their sequence when it is printed.
CREATE DESCENDING INDEX IX_NOTAPROMISSORIA_SEQ ON NOTAPROMISSORIA (NP_SEQ);
CREATE INDEX IX_NOTAPROMISSORIA_EMISSAO ON NOTAPROMISSORIA (NP_DT_EMISSAO);
CREATE INDEX IX_NOTAPROMISSORIA_PAGTO ON NOTAPROMISSORIA (NP_DT_PAGAMENTO);

CREATE INDEX IX_NOTAPROMISSORIALITE_VENC ON NOTAPROMISSORIALITE (NPL_DT_VENCIMENTO);
CREATE INDEX IX_NOTAPROMISSORIALITE_STATUS ON NOTAPROMISSORIALITE (NPL_STATUS, NPL_DT_VENCIMENTO);

-- Persons: name lists and pickers, document look-up, birthday counters and lists.
CREATE INDEX IX_CADASTROS_NOME ON CADASTROS (CG_NOME);
CREATE INDEX IX_CADASTROS_CPF_CNPJ ON CADASTROS (CG_CPF_CNPJ);
-- The birthday counters filter on the month of the birth date, not on the date itself.
CREATE INDEX IX_CADASTROS_MES_NASC ON CADASTROS COMPUTED BY (EXTRACT(MONTH FROM CG_DT_NASC));

CREATE INDEX IX_EMPRESAS_NOME ON EMPRESAS (EM_NOME);

-- Localities: city lists of one state, name look-ups and lists of one city.
CREATE INDEX IX_CIDADES_NOME ON CIDADES (CD_NOME);
CREATE INDEX IX_CIDADES_UF ON CIDADES (CD_UF);
CREATE INDEX IX_BAIRROS_NOME ON BAIRROS (BR_NOME);
CREATE INDEX IX_BAIRROS_CIDADE ON BAIRROS (BR_COD_CIDADE);
CREATE INDEX IX_LOGRADOUROS_NOME ON LOGRADOUROS (LG_NOME);
CREATE INDEX IX_LOGRADOUROS_CIDADE ON LOGRADOUROS (LG_COD_CIDADE);
