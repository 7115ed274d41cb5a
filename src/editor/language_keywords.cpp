// The keyword words of every language that has lists of its own.
#include "editor/language_keywords.h"

namespace keywords {

const char kC0[] =
    "_Alignof _Generic _Static_assert alignof and and_eq auto bitand bitor break case compl const "
    "continue default do else extern for goto if inline not not_eq or or_eq register restrict return "
    "sizeof static switch typedef while xor xor_eq";

const char kC1[] =
    "void struct union enum char short int long float double signed unsigned _Bool _Complex "
    "_Imaginary _Atomic _Noreturn _Thread_local bool size_t ptrdiff_t wchar_t char16_t char32_t "
    "int8_t int16_t int32_t int64_t uint8_t uint16_t uint32_t uint64_t intptr_t uintptr_t intmax_t "
    "uintmax_t int_least8_t int_least16_t int_least32_t int_least64_t uint_least8_t uint_least16_t "
    "uint_least32_t uint_least64_t int_fast8_t int_fast16_t int_fast32_t int_fast64_t uint_fast8_t "
    "uint_fast16_t uint_fast32_t uint_fast64_t FILE fpos_t va_list jmp_buf sig_atomic_t time_t "
    "clock_t div_t ldiv_t lldiv_t mbstate_t wint_t wctype_t wctrans_t fenv_t fexcept_t max_align_t "
    "errno_t rsize_t NULL EOF true false stdin stdout stderr";

const char kCpp0[] =
    "alignas alignof and and_eq asm auto bitand bitor break case catch class compl concept const "
    "consteval constexpr constinit const_cast continue co_await co_return co_yield decltype default "
    "delete do dynamic_cast else explicit export extern for friend goto if inline mutable namespace "
    "new noexcept not not_eq operator or or_eq private protected public register reinterpret_cast "
    "requires return sizeof static static_assert static_cast switch template this thread_local throw "
    "try typedef typeid typename using virtual while xor xor_eq";

const char kCpp1[] =
    "void bool char char8_t char16_t char32_t wchar_t short int long float double signed unsigned "
    "struct union enum false true nullptr nullptr_t size_t ptrdiff_t int8_t int16_t int32_t int64_t "
    "uint8_t uint16_t uint32_t uint64_t intptr_t uintptr_t intmax_t uintmax_t max_align_t byte string "
    "wstring u8string u16string u32string string_view wstring_view vector array deque list "
    "forward_list map multimap set multiset unordered_map unordered_multimap unordered_set "
    "unordered_multiset stack queue priority_queue pair tuple optional variant any span function "
    "shared_ptr unique_ptr weak_ptr thread mutex atomic future promise iterator initializer_list "
    "exception ostream istream iostream";

const char kCpp3[] =
    "a addindex addtogroup anchor arg attention author authors b brief bug c callgraph callergraph "
    "category cite class code cond copybrief copydetails copydoc copyright date def defgroup "
    "deprecated details diafile dir docbookonly dontinclude dot dotfile e else elseif em emoji "
    "endcode endcond enddocbookonly enddot endhtmlonly endif endinternal endlatexonly endlink "
    "endmanonly endmsc endparblock endrtfonly endsecreflist endverbatim enduml endxmlonly enum "
    "example exception extends f$ f[ f] f{ f} file fn headerfile hidecallergraph hidecallgraph "
    "hideinitializer hiderefby hiderefs htmlinclude htmlonly idlexcept if ifnot image implements "
    "include includedoc includelineno ingroup interface internal invariant latexinclude latexonly li "
    "line link mainpage manonly memberof msc mscfile n name namespace nosubgrouping note overload p "
    "package page par paragraph param parblock post pre private privatesection property protected "
    "protectedsection protocol public publicsection pure ref refitem related relatedalso relates "
    "relatesalso remark remarks result return returns retval rtfonly sa secreflist section see short "
    "showinitializer showrefby showrefs since skip skipline snippet snippetdoc snippetlineno startuml "
    "struct subpage subsection subsubsection tableofcontents test throw throws todo tparam typedef "
    "union until var verbatim verbinclude version vhdlflow warning weakgroup xmlonly xrefitem";

const char kCSharp0[] =
    "abstract as base break case catch checked class const continue default delegate do else enum "
    "event explicit extern false finally fixed for foreach goto if implicit in interface internal is "
    "lock namespace new null operator out override params private protected public readonly ref "
    "return sealed sizeof stackalloc static struct switch this throw true try typeof unchecked unsafe "
    "using virtual volatile while add alias and async await by descending dynamic equals from get "
    "global group init into join let managed nameof nint not notnull nuint on or orderby partial "
    "record remove required scoped select set unmanaged value var when where with yield";

const char kCSharp1[] =
    "bool byte char decimal double float int long object sbyte short string uint ulong ushort void "
    "Boolean Byte Char Decimal Double Int32 String";

const char kObjC0[] =
    "auto break case char const continue default do double else enum extern float for goto if int "
    "long register return";

const char kObjC3[] =
    "interface implementation protocol end private protected public package class selector encode "
    "synthesize dynamic property optional required try catch finally throw synchronized "
    "autoreleasepool import";

const char kObjC4[] =
    "id self super nil Nil YES";

const char kJava0[] =
    "abstract assert break case catch class const continue default do else enum extends final finally "
    "for goto if implements import instanceof interface native new package private protected public";

const char kJava1[] =
    "boolean byte char double float int long short void var record sealed permits non-sealed yield "
    "return static strictfp super switch synchronized this throw throws transient try volatile while";

const char kRc0[] =
    "ACCELERATORS ALT AUTO3STATE AUTOCHECKBOX AUTORADIOBUTTON BEGIN BITMAP BLOCK CAPTION "
    "CHARACTERISTICS CHECKBOX CLASS COMBOBOX CONTROL CTEXT CURSOR DEFPUSHBUTTON DIALOG DIALOGEX "
    "DISCARDABLE EDITTEXT END EXSTYLE FONT GROUPBOX ICON LANGUAGE LISTBOX LTEXT MENU MENUEX MENUITEM "
    "MESSAGETABLE POPUP PUSHBUTTON RADIOBUTTON RCDATA RTEXT SCROLLBAR SEPARATOR SHIFT STATE3 "
    "STRINGTABLE STYLE TEXTINCLUDE VALUE VERSION VERSIONINFO VIRTKEY";

const char kHtml0[] =
    "!doctype ^data- a abbr accept accept-charset accesskey action address align alink alt applet "
    "archive area article aside async audio autocomplete autofocus autoplay axis b background base "
    "basefont bdi bdo bgcolor big blockquote body border br button canvas caption cellpadding "
    "cellspacing center char charoff charset checkbox checked cite class classid clear code codebase "
    "codetype col colgroup color cols colspan command compact content contenteditable contextmenu "
    "controls coords crossorigin data datalist datetime dd declare defer del details dfn dialog dir "
    "dirname disabled div dl draggable dropzone dt em embed enctype face fieldset figcaption figure "
    "file font footer for form formaction formenctype formmethod formnovalidate formtarget frame "
    "frameborder frameset h1 h2 h3 h4 h5 h6 head header headers height hgroup hidden high hr href "
    "hreflang hspace html http-equiv i id iframe image img input ins integrity isindex ismap kbd "
    "keygen keytype kind label lang language leftmargin legend li link list longdesc loop low main "
    "manifest map marginheight marginwidth mark max maxlength media menu meta meter method min "
    "minlength multiple muted name nav noframes nohref noresize noscript noshade novalidate nowrap "
    "object ol onabort onafterprint onbeforeprint onbeforeunload onblur oncanplay onchange onclick "
    "oncontextmenu oncopy oncut ondblclick ondrag ondragend ondragenter ondragleave ondragover "
    "ondragstart ondrop ondurationchange onended onerror onfocus onhashchange oninput oninvalid "
    "onkeydown onkeypress onkeyup onload onloadeddata onloadedmetadata onloadstart onmessage "
    "onmousedown onmousemove onmouseout onmouseover onmouseup onmousewheel onoffline ononline "
    "onpagehide onpageshow onpaste onpause onplay onplaying onpopstate onprogress onratechange "
    "onreset onresize onscroll onsearch onseeked onseeking onselect onstalled onstorage onsubmit "
    "onsuspend ontimeupdate ontoggle onunload onvolumechange onwaiting open optgroup optimum option "
    "output p param password pattern picture placeholder poster pre preload profile progress prompt "
    "public q radio readonly referrerpolicy rel required reset rev reversed role rows rowspan rp rt "
    "ruby rules s samp sandbox scheme scope script scrolling section select selected shape size sizes "
    "slot small source span spellcheck src srcdoc srclang srcset standby start step strike strong "
    "style sub submit summary sup tabindex table target tbody td template text textarea tfoot th "
    "thead time title topmargin tr track translate tt type u ul usemap valign value valuetype var "
    "version video vlink vspace wbr width wrap xml xmlns";

const char kHtml1[] =
    "abstract async await boolean break byte case catch char class const continue debugger default "
    "delete do double else enum export extends false final finally float for function goto if "
    "implements import in instanceof int interface let long native new null of package private "
    "protected public return short static super switch synchronized this throw throws transient true "
    "try typeof var void volatile while with yield arguments Array Boolean Date Error eval Function "
    "Infinity isFinite isNaN JSON Math NaN Number Object parseFloat parseInt Promise RegExp String "
    "Symbol undefined Map Set WeakMap WeakSet Proxy Reflect BigInt document window console";

const char kHtml2[] =
    "addhandler addressof andalso alias and ansi as assembly attribute auto begin boolean byref byte "
    "byval call case catch cbool cbyte cchar cdate cdec cdbl char cint class clng cobj compare const "
    "continue cshort csng cstr ctype currency date decimal declare default delegate dim do double "
    "each else elseif empty end enum erase error event exit explicit false finally for friend "
    "function get gettype global gosub goto handles if implement implements imports in inherits "
    "integer interface is let lib like load long loop lset me mid mod module mustinherit mustoverride "
    "mybase myclass namespace new next not nothing notinheritable notoverridable null object on "
    "option optional or orelse overloads overridable overrides paramarray preserve private property "
    "protected public raiseevent randomize readonly redim rem removehandler rset resume return select "
    "set shadows shared short single static step stop string structure sub synclock then throw to "
    "true try type typeof unload unicode until variant wend when while with withevents writeonly xor";

const char kHtml4[] =
    "and array as bool boolean break case cfunction class const continue declare default die "
    "directory do double echo else elseif empty enddeclare endfor endforeach endif endswitch endwhile "
    "eval exit extends false float for foreach function global goto if implements include "
    "include_once int integer interface isset list namespace new null object old_function or parent "
    "php_self print private protected public real require require_once resource return self static "
    "stdclass string switch this throw true try unset use var while xor abstract catch clone "
    "exception final instanceof insteadof trait yield finally callable fn match enum readonly never "
    "mixed iterable void __class__ __dir__ __file__ __function__ __line__ __method__ __namespace__ "
    "__trait__ __construct __destruct";

const char kPascal0[] =
    "absolute abstract and array as asm assembler automated begin case cdecl class const constructor "
    "delay default destructor dispid dispinterface div do downto dynamic else end except export "
    "exports external far file finalization finally for forward function goto if implementation in "
    "index inherited initialization inline interface is label library message mod near nil not object "
    "of on or out overload override packed pascal private procedure program property protected public "
    "published raise read readonly record register reintroduce repeat resourcestring safecall set shl "
    "shr stdcall stored string then threadvar to try type unit until uses var virtual while with "
    "write writeonly xor strict sealed operator helper reference specialize generic";

const char kBatch0[] =
    "rem set if exist errorlevel for in do break call chcp cd chdir choice cls country ctty date del "
    "erase dir echo exit goto loadfix loadhigh mkdir md move path pause prompt rename ren rmdir rd "
    "shift time type ver verify vol com con lpt nul defined not else equ neq lss leq gtr geq assoc "
    "attrib cmd color copy endlocal find findstr format ftype label more popd pushd setlocal sort "
    "start subst title tree xcopy robocopy where whoami tasklist taskkill timeout";

const char kSql0[] =
    "absolute action add admin after aggregate alias all allocate alter analyze and any are array as "
    "asc asensitive assertion asymmetric at atomic authorization avg before begin between bigint "
    "binary bit bit_length blob boolean both breadth by call called cascade cascaded case cast "
    "catalog char char_length character character_length check class clob close coalesce collate "
    "collation collect column commit completion condition connect connection constraint constraints "
    "constructor contains continue convert corr corresponding count covar_pop covar_samp create cross "
    "cube cume_dist current current_date current_default_transform_group current_path current_role "
    "current_time current_timestamp current_transform_group_for_type current_user cursor cycle data "
    "database date day deallocate dec decimal declare default deferrable deferred delete dense_rank "
    "depth deref desc describe descriptor destroy destructor deterministic diagnostics dictionary "
    "disconnect distinct do domain double drop dynamic each element else elseif end end-exec equals "
    "escape every except exception exec execute exists exit explain external extract false fetch "
    "filter first float for foreign found free from full function fusion general get global go goto "
    "grant group grouping handler having hold host hour identity if ignore immediate in index "
    "indicator initialize initially inner inout input insensitive insert int integer intersect "
    "intersection interval into is isolation iterate join key language large last lateral leading "
    "leave left less level like limit ln local localtime localtimestamp locator loop lower map match "
    "max member merge method min minute mod modifies modify module month multiset names national "
    "natural nchar nclob new next no none normalize not null nullif numeric object octet_length of "
    "offset old on only open operation option or order ordinality out outer output over overlaps "
    "overlay pad parameter parameters partial partition path percent_rank percentile_cont "
    "percentile_disc position postfix precision prefix preorder prepare preserve primary prior "
    "privileges procedure public range rank read reads real recursive ref references referencing "
    "regr_avgx regr_avgy regr_count regr_intercept regr_r2 regr_slope regr_sxx regr_sxy regr_syy "
    "relative release rename repeat replace resignal restrict result return returns revoke right role "
    "rollback rollup routine row row_number rows savepoint schema scope scroll search second section "
    "select sensitive sequence session session_user set sets signal similar size smallint some space "
    "specific specifictype sql sqlcode sqlerror sqlexception sqlstate sqlwarning sqrt start state "
    "statement static stddev_pop stddev_samp structure submultiset substring sum symmetric system "
    "system_user table tablesample temporary terminate than then time timestamp timezone_hour "
    "timezone_minute to trailing transaction translate translation treat trigger trim true truncate "
    "uescape under undo union unique unknown unnest until update upper usage user using value values "
    "var_pop var_samp varchar variable varying view when whenever where while width_bucket window "
    "with within without work write year zone abs acos ascii asin atan atan2 auto_increment backup "
    "binary_checksum bulk cardinality ceil ceiling char_index checkpoint checksum clustered concat "
    "cos cot datalength dateadd datediff datename datepart dbcc deny difference disk distributed dump "
    "errlvl exp floor freetext freetexttable holdlock identity_insert identitycol isnull kill lineno "
    "load log log10 ltrim newid nocheck nonclustered nvarchar off offsets openquery openrowset "
    "openxml percent pi pivot plan power print proc quotename radians raiserror rand readtext "
    "reconfigure replicate reverse round rowcount rowguidcol rtrim rule save securityaudit setuser "
    "shutdown sign sin soundex square statistics str stuff tan textsize top tran tsequal unpivot "
    "updatetext use waitfor writetext accessible add_months aes_decrypt aes_encrypt algorithm always "
    "analyse archive array_agg ascii_general_ci autocommit avg_row_length bfile binary_double "
    "binary_float binlog bit_and bit_or bit_xor bool btree buffer_pool cache cascade_constraints "
    "charset collation_connection columns comment compact compressed concat_ws connection_id "
    "constraint_name conv convert_tz curdate curtime database_name date_add date_format date_sub "
    "datetime day_hour day_minute day_second dayname dayofmonth dayofweek dayofyear decode degrees "
    "delay_key_write delayed des_decrypt des_encrypt div dual duplicate elt enable encode engine "
    "engines enum errors events extended extent_size fields first_value fixed flush force format "
    "found_rows from_days from_unixtime fulltext geometry get_format greatest group_concat hash heap "
    "high_priority hosts hour_minute hour_second ifnull ignore_server_ids ilike inet_aton inet_ntoa "
    "infile insert_method install instr invoker io_thread ipc is_free_lock is_used_lock json json_agg "
    "json_arrayagg json_extract json_object jsonb key_block_size keys lag last_day last_insert_id "
    "last_value lcase lead least length lines linestring list lock locate logfile long longblob "
    "longtext low_priority lpad master match_type max_rows maxvalue mediumblob mediumint mediumtext "
    "microsecond mid minute_second minvalue mode monthname multilinestring multipoint multipolygon "
    "mutex myisam ndb nocache nocycle nologging noorder now nth_value ntile nulls number nvl nvl2 oct "
    "old_password optimize optionally ord outfile owner pack_keys page_checksum password period_add "
    "period_diff pg_catalog point polygon purge quarter quick raise_application_error read_only "
    "read_write rebuild redundant regexp relay_log reload remove reorganize repair replication "
    "require reset restore resume returning rlike rownum rpad rtree schedule schemas sec_to_time "
    "separator serial serializable sha1 sha2 share show signed slave slow sounds sql_big_result "
    "sql_buffer_result sql_cache sql_calc_found_rows sql_no_cache sql_small_result ssl starting "
    "status stop storage straight_join string strcmp subdate subpartition subpartitions "
    "substring_index subtime super suspend swaps switches sysdate tables tablespace temptable text "
    "time_format time_to_sec timediff timestampadd timestampdiff tinyblob tinyint tinytext to_char "
    "to_date to_days to_number ucase uncommitted undefined unicode uninstall unix_timestamp unlock "
    "unsigned upgrade utc_date utc_time utc_timestamp uuid varbinary varchar2 variables varcharacter "
    "warnings week weekday weekofyear wrapper x509 xa xml year_month yearweek zerofill";

const char kSql4[] =
    "access add as asc begin by check cluster column compress connect current cursor decimal default "
    "desc else elsif end exception exclusive file for from function group having identified if "
    "immediate increment index initial into is level loop maxextents mode modify nocompress not "
    "nowait number of offline on online option order pctfree prior privileges procedure public raw "
    "rename resource row rowid rownum rows session share size start successful synonym sysdate then "
    "trigger uid validate values varchar2 view whenever";

const char kVb0[] =
    "addhandler addressof andalso alias and ansi as assembly attribute auto begin boolean byref byte "
    "byval call case catch cbool cbyte cchar cdate cdec cdbl char cint class clng cobj compare const "
    "continue cshort csng cstr ctype currency date decimal declare default delegate dim do double "
    "each else elseif empty end enum erase error event exit explicit false finally for friend "
    "function get gettype global gosub goto handles if implement implements imports in inherits "
    "integer interface is let lib like load long loop lset me mid mod module mustinherit mustoverride "
    "mybase myclass namespace new next not nothing notinheritable notoverridable null object on "
    "option optional or orelse overloads overridable overrides paramarray preserve private property "
    "protected public raiseevent randomize readonly redim rem removehandler rset resume return select "
    "set shadows shared short single static step stop string structure sub synclock then throw to "
    "true try type typeof unload unicode until variant wend when while with withevents writeonly xor "
    "aggregate async await binary by custom distinct equals from group into isfalse isnot istrue "
    "iterator join key narrowing off operator order out partial skip strict take text widening yield "
    "cuint culng cushort csbyte directcast trycast uinteger ulong ushort sbyte getxmlnamespace";

const char kCss0[] =
    "align-content align-items align-self all animation animation-delay animation-direction "
    "animation-duration animation-fill-mode animation-iteration-count animation-name "
    "animation-play-state animation-timing-function aspect-ratio backdrop-filter backface-visibility "
    "background background-attachment background-blend-mode background-clip background-color "
    "background-image background-origin background-position background-repeat background-size "
    "block-size border border-block border-bottom border-bottom-color border-bottom-left-radius "
    "border-bottom-right-radius border-bottom-style border-bottom-width border-collapse border-color "
    "border-image border-image-outset border-image-repeat border-image-slice border-image-source "
    "border-image-width border-inline border-left border-left-color border-left-style "
    "border-left-width border-radius border-right border-right-color border-right-style "
    "border-right-width border-spacing border-style border-top border-top-color "
    "border-top-left-radius border-top-right-radius border-top-style border-top-width border-width "
    "bottom box-decoration-break box-shadow box-sizing break-after break-before break-inside "
    "caption-side caret-color clear clip clip-path color column-count column-fill column-gap "
    "column-rule column-rule-color column-rule-style column-rule-width column-span column-width "
    "columns contain content counter-increment counter-reset counter-set cursor direction display "
    "empty-cells filter flex flex-basis flex-direction flex-flow flex-grow flex-shrink flex-wrap "
    "float font font-family font-feature-settings font-kerning font-size font-size-adjust "
    "font-stretch font-style font-variant font-variant-caps font-variant-ligatures "
    "font-variant-numeric font-weight gap grid grid-area grid-auto-columns grid-auto-flow "
    "grid-auto-rows grid-column grid-column-end grid-column-start grid-row grid-row-end "
    "grid-row-start grid-template grid-template-areas grid-template-columns grid-template-rows "
    "hanging-punctuation height hyphens image-rendering inline-size inset isolation justify-content "
    "justify-items justify-self left letter-spacing line-break line-height list-style "
    "list-style-image list-style-position list-style-type margin margin-block margin-bottom "
    "margin-inline margin-left margin-right margin-top mask max-block-size max-height max-inline-size "
    "max-width min-block-size min-height min-inline-size min-width mix-blend-mode object-fit "
    "object-position opacity order orphans outline outline-color outline-offset outline-style "
    "outline-width overflow overflow-wrap overflow-x overflow-y padding padding-block padding-bottom "
    "padding-inline padding-left padding-right padding-top page-break-after page-break-before "
    "page-break-inside perspective perspective-origin place-content place-items place-self "
    "pointer-events position quotes resize right rotate row-gap scale scroll-behavior scroll-margin "
    "scroll-padding scroll-snap-align scroll-snap-type tab-size table-layout text-align "
    "text-align-last text-decoration text-decoration-color text-decoration-line text-decoration-style "
    "text-indent text-justify text-overflow text-shadow text-transform text-underline-position top "
    "transform transform-origin transform-style transition transition-delay transition-duration "
    "transition-property transition-timing-function translate unicode-bidi user-select vertical-align "
    "visibility white-space widows width will-change word-break word-spacing word-wrap writing-mode "
    "z-index absolute auto baseline block bold bolder both capitalize center circle collapse cover "
    "dashed decimal disc dotted double ease ease-in ease-in-out ease-out fixed flex-end flex-start "
    "groove hidden infinite inherit initial inline inline-block inline-flex italic justify large "
    "larger linear lighter line-through lowercase medium middle none normal nowrap oblique outset "
    "overline pointer pre pre-line pre-wrap relative repeat repeat-x repeat-y ridge scroll small "
    "smaller solid space-around space-between square static sticky stretch sub super table "
    "text-bottom text-top thick thin transparent underline unset uppercase visible wrap x-large "
    "x-small xx-large xx-small accent-color align-tracks animation-composition animation-timeline "
    "appearance background-position-x background-position-y block-overflow border-block-color "
    "border-block-end border-block-end-color border-block-end-style border-block-end-width "
    "border-block-start border-block-start-color border-block-start-style border-block-start-width "
    "border-block-style border-block-width border-end-end-radius border-end-start-radius "
    "border-inline-color border-inline-end border-inline-end-color border-inline-end-style "
    "border-inline-end-width border-inline-start border-inline-start-color border-inline-start-style "
    "border-inline-start-width border-inline-style border-inline-width border-start-end-radius "
    "border-start-start-radius box-align box-direction box-flex box-orient box-pack color-adjust "
    "color-scheme contain-intrinsic-size contain-intrinsic-height contain-intrinsic-width container "
    "container-name container-type content-visibility counter-style font-display "
    "font-language-override font-optical-sizing font-palette font-synthesis font-variant-alternates "
    "font-variant-east-asian font-variant-position font-variation-settings forced-color-adjust "
    "hyphenate-character image-orientation image-resolution initial-letter inset-block "
    "inset-block-end inset-block-start inset-inline inset-inline-end inset-inline-start line-clamp "
    "line-height-step margin-block-end margin-block-start margin-inline-end margin-inline-start "
    "margin-trim mask-border mask-border-mode mask-border-outset mask-border-repeat mask-border-slice "
    "mask-border-source mask-border-width mask-clip mask-composite mask-image mask-mode mask-origin "
    "mask-position mask-repeat mask-size mask-type math-depth math-style max-lines offset "
    "offset-anchor offset-distance offset-path offset-position offset-rotate overflow-anchor "
    "overflow-block overflow-clip-margin overflow-inline overscroll-behavior "
    "overscroll-behavior-block overscroll-behavior-inline overscroll-behavior-x overscroll-behavior-y "
    "padding-block-end padding-block-start padding-inline-end padding-inline-start paint-order "
    "print-color-adjust ruby-align ruby-position scroll-margin-block scroll-margin-block-end "
    "scroll-margin-block-start scroll-margin-bottom scroll-margin-inline scroll-margin-inline-end "
    "scroll-margin-inline-start scroll-margin-left scroll-margin-right scroll-margin-top "
    "scroll-padding-block scroll-padding-block-end scroll-padding-block-start scroll-padding-bottom "
    "scroll-padding-inline scroll-padding-inline-end scroll-padding-inline-start scroll-padding-left "
    "scroll-padding-right scroll-padding-top scroll-snap-stop scrollbar-color scrollbar-gutter "
    "scrollbar-width shape-image-threshold shape-margin shape-outside speak speak-as "
    "text-combine-upright text-decoration-skip text-decoration-skip-ink text-decoration-thickness "
    "text-emphasis text-emphasis-color text-emphasis-position text-emphasis-style text-orientation "
    "text-rendering text-size-adjust text-underline-offset touch-action transform-box "
    "transition-behavior view-transition-name zoom azimuth cue cue-after cue-before elevation pause "
    "pause-after pause-before pitch pitch-range play-during richness speak-header speak-numeral "
    "speak-punctuation speech-rate stress voice-family volume marks page size fill fill-opacity "
    "fill-rule stroke stroke-dasharray stroke-dashoffset stroke-linecap stroke-linejoin "
    "stroke-miterlimit stroke-opacity stroke-width stop-color stop-opacity flood-color flood-opacity "
    "lighting-color marker-start marker-mid marker-end shape-rendering text-anchor dominant-baseline "
    "alignment-baseline baseline-shift vector-effect";

const char kCss1[] =
    "active after before checked default disabled empty enabled first first-child first-letter "
    "first-line first-of-type focus focus-visible focus-within hover in-range indeterminate invalid "
    "is lang last-child last-of-type link not nth-child nth-last-child nth-last-of-type nth-of-type "
    "only-child only-of-type optional out-of-range";

const char kCss4[] =
    "after before first-letter first-line selection placeholder marker backdrop cue "
    "file-selector-button part";

const char kCss6[] =
    "-moz- -webkit- -ms- -o-";

const char kPerl0[] =
    "__FILE__ __LINE__ __PACKAGE__ __SUB__ __DATA__ __END__ BEGIN END INIT CHECK UNITCHECK AUTOLOAD "
    "DESTROY and cmp default else elsif eq for foreach ge given gt if le lt ne not or unless until "
    "when while xor x q qq qr qw qx m s tr y -X abs accept alarm atan2 bind binmode bless break "
    "caller chdir chmod chomp chop chown chr chroot close closedir connect continue cos crypt "
    "dbmclose dbmopen defined delete die do dump each endgrent endhostent endnetent endprotoent "
    "endpwent endservent eof eval evalbytes exec exists exit exp fc fcntl fileno flock fork format "
    "formline getc getgrent getgrgid getgrnam gethostbyaddr gethostbyname gethostent getlogin "
    "getnetbyaddr getnetbyname getnetent getpeername getpgrp getppid getpriority getprotobyname "
    "getprotobynumber getprotoent getpwent getpwnam getpwuid getservbyname getservbyport getservent "
    "getsockname getsockopt glob gmtime goto grep hex import index int ioctl join keys kill last lc "
    "lcfirst length link listen local localtime lock log lstat m// map mkdir msgctl msgget msgrcv "
    "msgsnd my next no oct open opendir ord our pack package pipe pop pos print printf prototype push "
    "q/STRING/ qq/STRING/ qr/STRING/ quotemeta qw/STRING/ qx/STRING/ rand read readdir readline "
    "readlink readpipe recv redo ref rename require reset return reverse rewinddir rindex rmdir s/// "
    "say scalar seek seekdir select semctl semget semop send setgrent sethostent setnetent setpgrp "
    "setpriority setprotoent setpwent setservent setsockopt shift shmctl shmget shmread shmwrite "
    "shutdown sin sleep socket socketpair sort splice split sprintf sqrt srand stat state study sub "
    "substr symlink syscall sysopen sysread sysseek system syswrite tell telldir tie tied time times "
    "tr/// truncate uc ucfirst umask undef unlink unpack unshift untie use utime values vec wait "
    "waitpid wantarray warn write y/// STDIN STDOUT STDERR ARGV ARGVOUT ENV INC SIG DATA strict "
    "warnings utf8 lib constant vars parent base overload integer bigint bignum bigrat bytes feature "
    "fields filetest locale ops re sigtrap subs threads autodie autouse attributes charnames "
    "diagnostics encoding less mro vmsish";

const char kPython0[] =
    "and as assert async await break class continue def del elif else except finally for from global "
    "if import in is lambda nonlocal not or pass raise return try while with yield";

const char kPython1[] =
    "ArithmeticError AssertionError AttributeError BaseException BaseExceptionGroup BlockingIOError "
    "BrokenPipeError BufferError BytesWarning ChildProcessError ConnectionAbortedError "
    "ConnectionError ConnectionRefusedError ConnectionResetError DeprecationWarning EOFError Ellipsis "
    "EncodingWarning EnvironmentError Exception ExceptionGroup False FileExistsError "
    "FileNotFoundError FloatingPointError FutureWarning GeneratorExit IOError ImportError "
    "ImportWarning IndentationError IndexError InterruptedError IsADirectoryError KeyError "
    "KeyboardInterrupt LookupError MemoryError ModuleNotFoundError NameError None NotADirectoryError "
    "NotImplemented NotImplementedError OSError OverflowError PendingDeprecationWarning "
    "PermissionError ProcessLookupError RecursionError ReferenceError ResourceWarning RuntimeError "
    "RuntimeWarning StopAsyncIteration StopIteration SyntaxError SyntaxWarning SystemError SystemExit "
    "TabError TimeoutError True TypeError UnboundLocalError UnicodeDecodeError UnicodeEncodeError "
    "UnicodeError UnicodeTranslateError UnicodeWarning UserWarning ValueError Warning "
    "ZeroDivisionError abs aiter all anext any ascii bin bool breakpoint bytearray bytes callable chr "
    "classmethod compile complex delattr dict dir divmod enumerate eval exec filter float format "
    "frozenset getattr globals hasattr hash hex id input int isinstance issubclass iter len list "
    "locals map max memoryview min next object oct open ord pow print property range repr reversed "
    "round set setattr slice sorted staticmethod str sum super tuple type vars zip";

const char kLua0[] =
    "and break do else elseif end false for function goto if in local nil not or repeat return then "
    "true until while";

const char kLua1[] =
    "_G _VERSION _ENV assert collectgarbage dofile error getfenv getmetatable ipairs load loadfile "
    "loadstring module next pairs pcall print rawequal rawget rawlen rawset require select setfenv "
    "setmetatable tonumber tostring type unpack xpcall string table math io os coroutine debug "
    "package utf8 bit32 gcinfo newproxy";

const char kLua2[] =
    "string.byte string.char string.dump string.find string.format string.gmatch string.gsub "
    "string.len string.lower string.match string.pack string.packsize string.rep string.reverse "
    "string.sub string.unpack string.upper table.concat table.insert table.move table.pack "
    "table.remove table.sort table.unpack math.abs math.acos math.asin math.atan math.ceil math.cos "
    "math.deg math.exp math.floor math.fmod math.huge math.log math.max math.maxinteger math.min "
    "math.mininteger math.modf math.pi math.rad math.random math.randomseed math.sin math.sqrt "
    "math.tan math.tointeger math.type math.ult utf8.char utf8.charpattern utf8.codes utf8.codepoint "
    "utf8.len utf8.offset math.cosh math.sinh math.tanh math.frexp math.ldexp math.log10 math.pow "
    "math.mod string.gfind table.foreach table.foreachi table.getn table.setn table.maxn "
    "bit32.arshift bit32.band bit32.bnot bit32.bor bit32.btest bit32.bxor bit32.extract bit32.lrotate "
    "bit32.lshift bit32.replace bit32.rrotate bit32.rshift";

const char kLua3[] =
    "coroutine.close coroutine.create coroutine.isyieldable coroutine.resume coroutine.running "
    "coroutine.status coroutine.wrap coroutine.yield io.close io.flush io.input io.lines io.open "
    "io.output io.popen io.read io.stderr io.stdin io.stdout io.tmpfile io.type io.write os.clock "
    "os.date os.difftime os.execute os.exit os.getenv os.remove os.rename os.setlocale os.time "
    "os.tmpname debug.debug debug.gethook debug.getinfo debug.getlocal debug.getmetatable "
    "debug.getregistry debug.getupvalue debug.getuservalue debug.sethook debug.setlocal "
    "debug.setmetatable debug.setupvalue debug.setuservalue debug.traceback debug.upvalueid "
    "debug.upvaluejoin package.config package.cpath package.loaded package.loadlib package.path "
    "package.preload package.searchers package.searchpath package.loaders package.seeall";

const char kFortran0[] =
    "abstract access action advance all allocatable allocate apostrophe assign assignment associate "
    "asynchronous backspace bind blank blockdata call case character class close codimension common "
    "complex concurrent contains contiguous continue critical cycle data deallocate decimal default "
    "deferred delim dimension direct do double doubleprecision elemental else elseif elsewhere "
    "encoding end endassociate endblockdata enddo endfile endforall endfunction endif endinterface "
    "endmodule endprogram endselect endsubroutine endtype endwhere entry enum enumerator eor "
    "equivalence err errmsg exist exit extends external file final flush fmt forall form format "
    "formatted function generic go goto id if implicit import impure in include inout integer intent "
    "interface intrinsic iolength iomsg iostat is kind len lock logical memory module name named "
    "namelist nextrec nml none non_intrinsic non_overridable nopass nullify number only open opened "
    "operator optional out pad parameter pass pause pending pointer pos position precision print "
    "private procedure program protected public pure read readwrite real rec recl recursive result "
    "return rewind round save select sequence sequential sign size stat status stop stream submodule "
    "subroutine sync target then to type unformatted unit unlock use value volatile wait where while "
    "write";

const char kFortran1[] =
    "abs achar acos acosh adjustl adjustr aimag aint all allocated anint any asin asinh associated "
    "atan atan2 atanh bessel_j0 bessel_j1 bessel_jn bessel_y0 bessel_y1 bessel_yn bge bgt bit_size "
    "ble blt btest ceiling char cmplx command_argument_count conjg cos cosh count cpu_time cshift "
    "date_and_time dble digits dim dot_product dprod dshiftl dshiftr eoshift epsilon erf erfc "
    "erfc_scaled execute_command_line exp exponent extends_type_of findloc floor fraction gamma "
    "get_command get_command_argument get_environment_variable huge hypot iachar iall iand iany ibclr "
    "ibits ibset ichar ieor image_index index int ior iparity is_contiguous is_iostat_end "
    "is_iostat_eor ishft ishftc kind lbound lcobound leadz len len_trim lge lgt lle llt log log10 "
    "log_gamma logical maskl maskr matmul max maxexponent maxloc maxval merge merge_bits min "
    "minexponent minloc minval mod modulo move_alloc mvbits nearest new_line nint norm2 not null "
    "num_images pack parity popcnt poppar precision present product radix random_number random_seed "
    "range rank real repeat reshape rrspacing same_type_as scale scan selected_char_kind "
    "selected_int_kind selected_real_kind set_exponent shape shifta shiftl shiftr sign sin sinh size "
    "spacing spread sqrt storage_size sum system_clock tan tanh this_image tiny trailz transfer "
    "transpose trim ubound ucobound unpack verify dabs dacos dasin datan datan2 dcos dcosh ddim dexp "
    "dint dlog dlog10 dmax1 dmin1 dmod dnint dsign dsin dsinh dsqrt dtan dtanh iabs idim idint idnint "
    "ifix isign amax0 amax1 amin0 amin1 max0 max1 min0 min1 alog alog10 cabs ccos cexp clog csin "
    "csqrt float sngl acosd asind atand atan2d cosd sind tand cotan cotand dcosd dsind dtand and or "
    "xor lshift rshift rand srand irand getarg iargc getenv getcwd chdir system time ctime etime "
    "dtime fdate idate itime secnds sizeof loc malloc free abort exit flush fstat stat lstat access "
    "rename unlink hostnm getpid getuid getgid isatty ttynam";

const char kFortran2[] =
    "iso_c_binding iso_fortran_env ieee_arithmetic ieee_exceptions ieee_features c_int c_short c_long "
    "c_long_long c_signed_char c_size_t c_int8_t c_int16_t c_int32_t c_int64_t c_float c_double "
    "c_long_double c_float_complex c_double_complex c_bool c_char c_null_char c_new_line c_ptr "
    "c_funptr c_null_ptr c_null_funptr c_loc c_funloc c_associated c_f_pointer c_f_procpointer "
    "c_sizeof character_storage_size error_unit file_storage_size input_unit iostat_end iostat_eor "
    "numeric_storage_size output_unit int8 int16 int32 int64 real32 real64 real128 character_kinds "
    "integer_kinds logical_kinds real_kinds compiler_options compiler_version atomic_int_kind "
    "atomic_logical_kind lock_type stat_locked stat_unlocked stat_stopped_image ieee_class "
    "ieee_class_type ieee_copy_sign ieee_is_finite ieee_is_nan ieee_is_negative ieee_is_normal "
    "ieee_logb ieee_next_after ieee_rem ieee_rint ieee_scalb ieee_selected_real_kind "
    "ieee_support_datatype ieee_support_denormal ieee_support_divide ieee_support_inf "
    "ieee_support_nan ieee_support_rounding ieee_support_sqrt ieee_support_standard ieee_unordered "
    "ieee_value ieee_get_flag ieee_get_halting_mode ieee_get_rounding_mode ieee_get_status "
    "ieee_set_flag ieee_set_halting_mode ieee_set_rounding_mode ieee_set_status ieee_overflow "
    "ieee_underflow ieee_divide_by_zero ieee_invalid ieee_inexact ieee_nearest ieee_to_zero ieee_up "
    "ieee_down ieee_positive_inf ieee_negative_inf ieee_quiet_nan ieee_signaling_nan";

const char kShell0[] =
    "! . : [ [[ ]] alias bg bind break builtin caller case cd command compgen complete compopt "
    "continue coproc declare dirs disown do done echo elif else enable esac eval exec exit export "
    "false fc fg fi for function getopts hash help history if in jobs kill let local logout mapfile "
    "popd printf pushd pwd read readarray readonly return select set shift shopt source suspend test "
    "then time times trap true type typeset ulimit umask unalias unset until wait while { } addpart "
    "agetty arch b2sum base32 base64 basename basenc blkdiscard blkid blkzone blockdev cat chcon "
    "chcpu chgrp chmem chmod choom chown chroot chrt cksum comm cp csplit ctrlaltdel cut date dd "
    "delpart df dir dircolors dirname dmesg du egrep env expand expr factor fallocate fgrep find "
    "findfs findmnt flock fmt fold free fsck fsfreeze fstrim getopt getty grep groups gunzip gzexe "
    "gzip hardlink head hostid i386 id install ionice ipcmk ipcrm ipcs isosize join last lastb "
    "ldattach link linux32 linux64 ln logname ls lsblk lscpu lsipc lslocks lslogins lsmem lsns "
    "mcookie md5sum mesg mkdir mkfifo mkfs mknod mkswap mktemp more mountpoint mv namei nice nl nohup "
    "nproc nsenter numfmt od partx paste pathchk pgrep pidwait pinky pkill pmap pr printenv prlimit "
    "ps ptx pwdx readlink readprofile realpath resizepart rev rgrep rm rmdir rtcwake runcon runuser "
    "sed seq setarch setpriv setsid setterm sha1sum sha224sum sha256sum sha384sum sha512sum shred "
    "shuf skill slabtop sleep snice sort split stat stdbuf stty su sulogin sum swaplabel sync sysctl "
    "tac tail tar tarcat taskset tee timeout tload top touch tr truncate tsort tty uclampset uname "
    "uncompress unexpand uniq unlink unshare uptime users utmpdump vdir vmstat w watch wc wdctl "
    "whereis who whoami wipefs xargs yes zcat zcmp zdiff zegrep zfgrep zforce zgrep zless zmore znew "
    "zramctl awk bc bzip2 curl diff file ftp git less make man patch perl ping python rsync scp sftp "
    "ssh ssh-keygen sudo telnet unzip vi vim wget which zip zsh apt apt-get dpkg systemctl service "
    "journalctl ip ifconfig netstat ss lsof strace crontab at batch mail";

const char kActionScript0[] =
    "as break case catch class const continue default delete do dynamic each else extends false final "
    "finally for function get if implements import in include instanceof interface internal is "
    "namespace native new null override package private protected public return set static super "
    "switch this throw true try typeof use var void while with";

const char kActionScript1[] =
    "Array Boolean Class Date DefinitionError Error EvalError Function Infinity int JSON Math NaN "
    "Namespace Number Object QName RangeError ReferenceError RegExp SecurityError String SyntaxError "
    "TypeError uint URIError Vector VerifyError XML XMLList ArgumentError decodeURI "
    "decodeURIComponent encodeURI encodeURIComponent escape isFinite isNaN isXMLName parseFloat "
    "parseInt trace unescape undefined Accelerometer ActionScriptVersion ActivityEvent AntiAliasType "
    "ApplicationDomain AsyncErrorEvent AVM1Movie BevelFilter Bitmap BitmapData BitmapDataChannel "
    "BitmapFilter BitmapFilterQuality BitmapFilterType BlendMode BlurFilter ByteArray Camera "
    "Capabilities CapsStyle ColorMatrixFilter ColorTransform ContextMenu ContextMenuBuiltInItems "
    "ContextMenuEvent ContextMenuItem ConvolutionFilter DataEvent DisplacementMapFilter DisplayObject "
    "DisplayObjectContainer Dictionary DropShadowFilter Endian EOFError ErrorEvent Event "
    "EventDispatcher EventPhase ExternalInterface FileFilter FileReference FileReferenceList "
    "FocusEvent Font FontStyle FontType FrameLabel FullScreenEvent GlowFilter GradientBevelFilter "
    "GradientGlowFilter GradientType Graphics GridFitType HTTPStatusEvent IBitmapDrawable IDataInput "
    "IDataOutput IDynamicPropertyOutput IDynamicPropertyWriter IEventDispatcher IExternalizable "
    "IllegalOperationError IME IMEConversionMode IMEEvent InteractiveObject InterpolationMethod "
    "InvalidSWFError IOError IOErrorEvent JointStyle Keyboard KeyboardEvent KeyLocation LineScaleMode "
    "Loader LoaderContext LoaderInfo LocalConnection Matrix MemoryError Microphone MorphShape Mouse "
    "MouseEvent MovieClip NetConnection NetFilterEvent NetStatusEvent NetStream ObjectEncoding "
    "PixelSnapping Point PrintJob PrintJobOptions PrintJobOrientation ProgressEvent Proxy Rectangle "
    "Responder Scene ScriptTimeoutError Security SecurityDomain SecurityErrorEvent SecurityPanel "
    "Shape SharedObject SharedObjectFlushStatus SimpleButton Socket Sound SoundChannel "
    "SoundLoaderContext SoundMixer SoundTransform SpreadMethod Sprite StackOverflowError Stage "
    "StageAlign StageDisplayState StageQuality StageScaleMode StaticText StatusEvent StyleSheet "
    "SWFVersion SyncEvent System TextColorType TextDisplayMode TextEvent TextField TextFieldAutoSize "
    "TextFieldType TextFormat TextFormatAlign TextLineMetrics TextRenderer TextSnapshot Timer "
    "TimerEvent Transform URLLoader URLLoaderDataFormat URLRequest URLRequestHeader URLRequestMethod "
    "URLStream URLVariables Video XMLDocument XMLNode XMLNodeType XMLSocket addChild addChildAt "
    "addEventListener alpha appendChild beginFill blendMode buttonMode cacheAsBitmap charAt "
    "charCodeAt clear close concat connect contains currentFrame curveTo data dispatchEvent "
    "drawCircle drawEllipse drawRect drawRoundRect endFill every filter filters forEach fromCharCode "
    "getChildAt getChildByName getChildIndex getDefinitionByName getQualifiedClassName getTimer "
    "gotoAndPlay gotoAndStop graphics hasEventListener height hitTestObject hitTestPoint indexOf join "
    "lastIndexOf length lineStyle lineTo load localToGlobal map mask mouseX mouseY moveTo name "
    "navigateToURL nextFrame numChildren parent play pop prevFrame push removeChild removeChildAt "
    "removeEventListener replace reverse rotation scaleX scaleY send setChildIndex shift slice some "
    "sort splice split stage start stop substr substring text toLowerCase toString toUpperCase "
    "totalFrames unshift valueOf visible width willTrigger x y Accessibility AccessibilityProperties "
    "CSMSettings ContextMenuClipboardItems DRMAuthenticateEvent DRMErrorEvent DRMStatusEvent "
    "DigitCase DigitWidth ElementFormat FileMode FileStream FontDescription FontLookup FontMetrics "
    "FontPosture FontWeight GestureEvent GraphicsBitmapFill GraphicsEndFill GraphicsGradientFill "
    "GraphicsPath GraphicsPathCommand GraphicsPathWinding GraphicsShaderFill GraphicsSolidFill "
    "GraphicsStroke GraphicsTrianglePath IGraphicsData IGraphicsFill IGraphicsPath IGraphicsStroke "
    "JustificationStyle Kerning LigatureLevel LineJustification Matrix3D MouseCursor NativeMenu "
    "NativeMenuItem NativeWindow NetGroup NetStreamInfo Orientation3D PerspectiveProjection "
    "PressAndTapGestureEvent RenderingMode Shader ShaderData ShaderEvent ShaderFilter ShaderInput "
    "ShaderJob ShaderParameter ShaderPrecision StageOrientation StageVideo TabAlignment TabStop "
    "TextBaseline TextBlock TextElement TextJustifier TextLine TextLineValidity TextRotation "
    "TouchEvent TransformGestureEvent TypographicCase UncaughtErrorEvent UncaughtErrorEvents Utils3D "
    "Vector3D XMLSignatureValidator abs acos addCallback addFrameScript addHeader addItem addItemAt "
    "allowDomain allowInsecureDomain appendText applyFilter areInaccessibleObjectsUnderPoint asin "
    "atan atan2 attachAudio attachCamera attachNetStream beginBitmapFill beginGradientFill "
    "bytesLoaded bytesTotal call ceil charCount clone compare compress copyChannel copyPixels cos "
    "createBox createGradientBox cubicCurveTo decode deleteItem dispose draw drawGraphicsData "
    "drawPath drawTriangles exp fillRect floodFill floor focusRect getBounds getCharBoundaries "
    "getDefinition getLineText getObjectsUnderPoint getPixel getPixel32 getPixels getRect "
    "getTextFormat globalToLocal hasDefinition hitArea invalidate isAccessibilityActive "
    "isDefaultPrevented isPlaying keyCode loaderInfo loadBytes log max min noise paletteMap "
    "perlinNoise pixelDissolve pow preventDefault random readBoolean readByte readBytes readDouble "
    "readFloat readInt readMultiByte readObject readShort readUTF readUTFBytes readUnsignedByte "
    "readUnsignedInt readUnsignedShort replaceSelectedText replaceText round scroll scrollRect "
    "selectable setClipboard setPixel setPixel32 setPixels setSelection setTextFormat sin sqrt "
    "stopAll stopImmediatePropagation stopPropagation swapChildren swapChildrenAt tan threshold "
    "toFixed toExponential toPrecision uncompress unload writeBoolean writeByte writeBytes "
    "writeDouble writeFloat writeInt writeMultiByte writeObject writeShort writeUTF writeUTFBytes "
    "writeUnsignedInt";

const char kNsis0[] =
    "!addincludedir !addplugindir !appendfile !cd !define !delfile !echo !else !endif !error !execute "
    "!finalize !getdllversion !if !ifdef !ifmacrodef !ifmacrondef !ifndef !include !insertmacro "
    "!macro !macroend !makensis !packhdr !pragma !searchparse !searchreplace !system !tempfile !undef "
    "!verbose !warning Abort AddBrandingImage AddSize AllowRootDirInstall AllowSkipFiles "
    "AutoCloseWindow BGFont BGGradient BrandingText BringToFront Call CallInstDLL Caption ChangeUI "
    "CheckBitmap ClearErrors CompletedText ComponentText CopyFiles CRCCheck CreateDirectory "
    "CreateFont CreateShortCut Delete DeleteINISec DeleteINIStr DeleteRegKey DeleteRegValue "
    "DetailPrint DetailsButtonText DirText DirVar DirVerify EnableWindow EnumRegKey EnumRegValue Exch "
    "Exec ExecShell ExecShellWait ExecWait ExpandEnvStrings File FileBufSize FileClose FileErrorText "
    "FileOpen FileRead FileReadByte FileReadUTF16LE FileReadWord FileSeek FileWrite FileWriteByte "
    "FileWriteUTF16LE FileWriteWord FindClose FindFirst FindNext FindWindow FlushINI Function "
    "FunctionEnd GetCurInstType GetCurrentAddress GetDlgItem GetDLLVersion GetDLLVersionLocal "
    "GetErrorLevel GetFileTime GetFileTimeLocal GetFullPathName GetFunctionAddress GetInstDirError "
    "GetKnownFolderPath GetLabelAddress GetTempFileName Goto HideWindow Icon IfAbort IfErrors "
    "IfFileExists IfRebootFlag IfRtlLanguage IfShellVarContextAll IfSilent InitPluginsDir "
    "InstallButtonText InstallColors InstallDir InstallDirRegKey InstProgressFlags InstType "
    "InstTypeGetText InstTypeSetText Int64Cmp Int64CmpU Int64Fmt IntCmp IntCmpU IntFmt IntOp "
    "IntPtrCmp IntPtrCmpU IntPtrOp IsWindow LangString LicenseBkColor LicenseData "
    "LicenseForceSelection LicenseLangString LicenseText LoadAndSetImage LoadLanguageFile LockWindow "
    "LogSet LogText ManifestDPIAware ManifestSupportedOS MessageBox MiscButtonText Name Nop OutFile "
    "Page PageCallbacks PageEx PageExEnd Pop Push Quit ReadEnvStr ReadINIStr ReadRegDWORD ReadRegStr "
    "Reboot RegDLL Rename RequestExecutionLevel ReserveFile Return RMDir SearchPath Section "
    "SectionEnd SectionGetFlags SectionGetInstTypes SectionGetSize SectionGetText SectionGroup "
    "SectionGroupEnd SectionIn SectionInstType SectionSetFlags SectionSetInstTypes SectionSetSize "
    "SectionSetText SendMessage SetAutoClose SetBrandingImage SetCompress SetCompressor "
    "SetCompressorDictSize SetCtlColors SetCurInstType SetDatablockOptimize SetDateSave "
    "SetDetailsPrint SetDetailsView SetErrorLevel SetErrors SetFileAttributes SetFont SetOutPath "
    "SetOverwrite SetRebootFlag SetRegView SetShellVarContext SetSilent ShowInstDetails "
    "ShowUninstDetails ShowWindow SilentInstall SilentUnInstall Sleep SpaceTexts StrCmp StrCmpS "
    "StrCpy StrLen SubCaption Target Unicode UninstallButtonText UninstallCaption UninstallIcon "
    "UninstallSubCaption UninstallText UninstPage UnRegDLL Var VIAddVersionKey VIFileVersion "
    "VIProductVersion WindowIcon WriteINIStr WriteRegBin WriteRegDWORD WriteRegExpandStr "
    "WriteRegMultiStr WriteRegNone WriteRegStr WriteUninstaller XPStyle";

const char kNsis1[] =
    "$0 $1 $2 $3 $4 $5 $6 $7 $8 $9 $R0 $R1 $R2 $R3 $R4 $R5 $R6 $R7 $R8 $R9 $INSTDIR $OUTDIR $CMDLINE "
    "$LANGUAGE $PROGRAMFILES $PROGRAMFILES32 $PROGRAMFILES64 $COMMONFILES $COMMONFILES32 "
    "$COMMONFILES64 $DESKTOP $EXEDIR $EXEFILE $EXEPATH ${NSISDIR} $WINDIR $SYSDIR $TEMP $STARTMENU "
    "$SMPROGRAMS $SMSTARTUP $QUICKLAUNCH $DOCUMENTS $SENDTO $RECENT $FAVORITES $MUSIC $PICTURES "
    "$VIDEOS $NETHOOD $FONTS $TEMPLATES $APPDATA $LOCALAPPDATA $PRINTHOOD $INTERNET_CACHE $COOKIES "
    "$HISTORY $PROFILE $ADMINTOOLS $RESOURCES $RESOURCES_LOCALIZED $CDBURN_AREA $HWNDPARENT "
    "$PLUGINSDIR $\\r $\\n $\\t $$";

const char kNsis2[] =
    "ARCHIVE FILE_ATTRIBUTE_ARCHIVE FILE_ATTRIBUTE_HIDDEN FILE_ATTRIBUTE_NORMAL "
    "FILE_ATTRIBUTE_OFFLINE FILE_ATTRIBUTE_READONLY FILE_ATTRIBUTE_SYSTEM FILE_ATTRIBUTE_TEMPORARY "
    "HIDDEN HKCC HKCR HKCU HKDD HKEY_CLASSES_ROOT HKEY_CURRENT_CONFIG HKEY_CURRENT_USER HKEY_DYN_DATA "
    "HKEY_LOCAL_MACHINE HKEY_PERFORMANCE_DATA HKEY_USERS HKLM HKPD HKU IDABORT IDCANCEL IDIGNORE IDNO "
    "IDOK IDRETRY IDYES MB_ABORTRETRYIGNORE MB_DEFBUTTON1 MB_DEFBUTTON2 MB_DEFBUTTON3 MB_DEFBUTTON4 "
    "MB_ICONEXCLAMATION MB_ICONINFORMATION MB_ICONQUESTION MB_ICONSTOP MB_OK MB_OKCANCEL "
    "MB_RETRYCANCEL MB_RIGHT MB_RTLREADING MB_SETFOREGROUND MB_TOPMOST MB_USERICON MB_YESNO "
    "MB_YESNOCANCEL NORMAL OFFLINE READONLY SHCTX SHELL_CONTEXT SYSTEM TEMPORARY admin all auto both "
    "bottom bzip2 checkbox colored components current custom directory false force hide highest "
    "ifdiff ifnewer instfiles lastused leave left license listonly lzma nevershow none normal off on "
    "radiobuttons right show silent silentlog textonly top true try un.onGUIInit un.onInit "
    "un.onUninstFailed un.onUninstSuccess un.onUserAbort uninstConfirm user zlib .onGUIEnd .onGUIInit "
    ".onInit .onInstFailed .onInstSuccess .onMouseOverSection .onRebootFailed .onSelChange "
    ".onUserAbort .onVerifyInstDir";

const char kTcl0[] =
    "after append apply array auto_execok auto_import auto_load auto_load_index auto_qualify binary "
    "break case catch cd chan clock close concat continue coroutine dict encoding eof error eval exec "
    "exit expr fblocked fconfigure fcopy file fileevent flush for foreach format gets glob global "
    "history if incr info interp join lappend lassign lindex linsert list llength lmap load lrange "
    "lrepeat lreplace lreverse lsearch lset lsort namespace open package pid proc puts pwd read "
    "regexp regsub rename return scan seek set socket source split string subst switch tailcall "
    "tclLog tell throw time trace try unknown unload unset update uplevel upvar variable vwait while "
    "yield yieldto zlib then elseif else argc argv argv0 env errorCode errorInfo tcl_library "
    "tcl_patchLevel tcl_platform tcl_version auto_path itcl oo::class oo::define oo::object self next "
    "my";

const char kTcl1[] =
    "bell bind bindtags bitmap button canvas checkbutton clipboard destroy entry event focus font "
    "frame grab grid image label labelframe listbox lower menu menubutton message option pack "
    "panedwindow photo place radiobutton raise scale scrollbar selection send spinbox text tk "
    "tk_bisque tk_chooseColor tk_chooseDirectory tk_dialog tk_focusNext tk_focusPrev tk_getOpenFile "
    "tk_getSaveFile tk_menuSetFocus tk_messageBox tk_optionMenu tk_popup tk_setPalette tk_textCopy "
    "tk_textCut tk_textPaste tkwait toplevel winfo wm";

const char kTcl3[] =
    "tk_bindForTraversal tk_bisque tk_chooseColor tk_chooseDirectory tk_dialog tk_focusFollowsMouse "
    "tk_focusNext tk_focusPrev tk_getOpenFile tk_getSaveFile tk_menuBar tk_menuSetFocus tk_messageBox "
    "tk_optionMenu tk_popup tk_setPalette tk_textCopy tk_textCut tk_textPaste tkButtonAutoInvoke "
    "tkButtonDown tkButtonEnter tkButtonInvoke tkButtonLeave tkButtonUp tkCancelRepeat "
    "tkCheckRadioInvoke tkDarken tkEntryAutoScan tkEntryBackspace tkEntryButton1 tkEntryClosestGap "
    "tkEntryInsert tkEntryKeySelect tkEntryMouseSelect tkEntryNextWord tkEntryPaste "
    "tkEntryPreviousWord tkEntrySeeInsert tkEntrySetCursor tkEntryTranspose tkEventMotifBindings "
    "tkFDGetFileTypes tkFirstMenu tkFocusGroup_Destroy tkFocusGroup_In tkFocusGroup_Out tkFocusOK "
    "tkGenerateMenuSelect tkIconList tkListbox tkListboxAutoScan tkListboxBeginExtend "
    "tkListboxBeginSelect tkListboxBeginToggle tkListboxCancel tkListboxDataExtend "
    "tkListboxExtendUpDown tkListboxKeyAccel_Goto tkListboxKeyAccel_Key tkListboxKeyAccel_Reset "
    "tkListboxKeyAccel_Set tkListboxKeyAccel_Unset tkListboxMotion tkListboxSelectAll tkListboxUpDown "
    "tkMbButtonUp tkMbEnter tkMbLeave tkMbMotion tkMbPost tkMenuButtonDown tkMenuDownArrow tkMenuDup "
    "tkMenuEscape tkMenuFind tkMenuFindName tkMenuFirst tkMenuInvoke tkMenuLeave tkMenuLeftArrow "
    "tkMenuMotion tkMenuNext tkMenuNextEntry tkMenuNextMenu tkMenuRightArrow tkMenuUnpost "
    "tkMenuUpArrow tkMessageBox tkMotifFDialog tkPostOverPoint tkRecolorTree tkRestoreOldGrab "
    "tkSaveGrabInfo tkScaleActivate tkScaleButton2Down tkScaleButtonDown tkScaleControlPress "
    "tkScaleDrag tkScaleEndDrag tkScaleIncrement tkScreenChanged tkScrollButton2Down "
    "tkScrollButtonDown tkScrollButtonDrag tkScrollButtonUp tkScrollByPages tkScrollByUnits "
    "tkScrollDrag tkScrollEndDrag tkScrollSelect tkScrollStartDrag tkScrollToPos tkScrollTopBottom "
    "tkTabToWindow tkTearOffMenu tkTextButton1 tkTextClosestGap tkTextInsert tkTextKeyExtend "
    "tkTextKeySelect tkTextNextPara tkTextNextPos tkTextNextWord tkTextPaste tkTextPrevPara "
    "tkTextPrevPos tkTextPrevWord tkTextResetAnchor tkTextScrollPages tkTextSelectTo tkTextSetCursor "
    "tkTextTranspose tkTextUpDownLine tkTraverseToMenu tkTraverseWithinMenu";

const char kLisp0[] =
    "not defun + - * / = < > <= >= princ eval apply funcall quote identity function complement "
    "backquote lambda set setq setf defmacro defvar defparameter defconstant defstruct defclass "
    "defmethod defgeneric defpackage in-package gensym length mapcar mapc mapcan maplist reduce "
    "remove remove-if remove-if-not delete find find-if position member assoc rassoc nth nthcdr last "
    "butlast append reverse nreverse sort stable-sort car cdr caar cadr cdar cddr caddr cons list "
    "list* listp consp atom null endp eq eql equal equalp numberp integerp floatp stringp symbolp "
    "functionp zerop plusp minusp evenp oddp and or if cond when unless case ecase typecase etypecase "
    "let let* flet labels macrolet progn prog1 prog2 block return return-from tagbody go loop do do* "
    "dolist dotimes catch throw unwind-protect handler-case handler-bind ignore-errors error cerror "
    "warn signal values multiple-value-bind multiple-value-list format print prin1 terpri write read "
    "read-line make-array aref vector make-hash-table gethash remhash maphash incf decf push pop "
    "pushnew max min abs mod rem floor ceiling truncate round sqrt expt exp log sin cos tan 1+ 1- t "
    "nil declare ignore the coerce type-of concatenate subseq string string= string-upcase "
    "string-downcase char";

const char kScheme0[] =
    "not defun + - * / = < > <= >= princ eval apply funcall quote identity function complement "
    "backquote lambda set setq setf defmacro defvar defparameter defconstant defstruct defclass "
    "defmethod defgeneric defpackage in-package gensym length mapcar mapc mapcan maplist reduce "
    "remove remove-if remove-if-not delete find find-if position member assoc rassoc nth nthcdr last "
    "butlast append reverse nreverse sort stable-sort car cdr caar cadr cdar cddr caddr cons list "
    "list* listp consp atom null endp eq eql equal equalp numberp integerp floatp stringp symbolp "
    "functionp zerop plusp minusp evenp oddp and or if cond when unless case ecase typecase etypecase "
    "let let* flet labels macrolet progn prog1 prog2 block return return-from tagbody go loop do do* "
    "dolist dotimes catch throw unwind-protect handler-case handler-bind ignore-errors error cerror "
    "warn signal values multiple-value-bind multiple-value-list format print prin1 terpri write read "
    "read-line make-array aref vector make-hash-table gethash remhash maphash incf decf push pop "
    "pushnew max min abs mod rem floor ceiling truncate round sqrt expt exp log sin cos tan 1+ 1- t "
    "nil declare ignore the coerce type-of concatenate subseq string string= string-upcase "
    "string-downcase char define define-syntax define-record-type let-values let*-values letrec "
    "letrec* syntax-rules syntax-case begin delay delay-force force make-promise "
    "call-with-current-continuation call/cc dynamic-wind with-exception-handler raise "
    "raise-continuable guard else => unquote unquote-splicing quasiquote vector-ref vector-set! "
    "vector-length vector-fill! vector->list list->vector string-ref string-set! string-length "
    "string-append string->list list->string string->symbol symbol->string string->number "
    "number->string char->integer integer->char boolean? char? null? pair? procedure? symbol? string? "
    "number? integer? rational? real? complex? exact? inexact? vector? list? eq? eqv? equal? zero? "
    "positive? negative? odd? even? set! set-car! set-cdr! list-tail list-ref memq memv assq assv map "
    "for-each newline display write-char read-char peek-char eof-object? open-input-file "
    "open-output-file close-input-port close-output-port call-with-input-file call-with-output-file "
    "with-input-from-file with-output-to-file input-port? output-port? current-input-port "
    "current-output-port exact->inexact inexact->exact quotient remainder modulo gcd lcm numerator "
    "denominator";

const char kAsm0[] =
    "aaa aad aam aas adc adcx add adox and arpl bound bsf bsr bswap bt btc btr bts call cbw cdq cdqe "
    "clc cld cli clts cmc cmova cmovae cmovb cmovbe cmovc cmove cmovg cmovge cmovl cmovle cmovna "
    "cmovnae cmovnb cmovnbe cmovnc cmovne cmovng cmovnge cmovnl cmovnle cmovno cmovnp cmovns cmovnz "
    "cmovo cmovp cmovpe cmovpo cmovs cmovz cmp cmps cmpsb cmpsd cmpsq cmpsw cmpxchg cmpxchg8b "
    "cmpxchg16b cpuid cqo cwd cwde daa das dec div enter hlt idiv imul in inc ins insb insd insw int "
    "int3 into invd invlpg iret iretd iretq ja jae jb jbe jc jcxz je jecxz jg jge jl jle jmp jna jnae "
    "jnb jnbe jnc jne jng jnge jnl jnle jno jnp jns jnz jo jp jpe jpo jrcxz js jz lahf lar lds lea "
    "leave les lfence lfs lgdt lgs lidt lldt lmsw lock lods lodsb lodsd lodsq lodsw loop loope loopne "
    "loopnz loopz lsl lss ltr lzcnt mfence mov movbe movs movsb movsd movsq movsw movsx movsxd movzx "
    "mul neg nop not or out outs outsb outsd outsw pause pop popa popad popcnt popf popfd popfq "
    "prefetch prefetchnta prefetcht0 prefetcht1 prefetcht2 push pusha pushad pushf pushfd pushfq rcl "
    "rcr rdmsr rdpmc rdrand rdseed rdtsc rdtscp rep repe repne repnz repz ret retf retn rol ror rsm "
    "sahf sal sar sbb scas scasb scasd scasq scasw seta setae setb setbe setc sete setg setge setl "
    "setle setna setnae setnb setnbe setnc setne setng setnge setnl setnle setno setnp setns setnz "
    "seto setp setpe setpo sets setz sfence sgdt shl shld shr shrd sidt sldt smsw stc std sti stos "
    "stosb stosd stosq stosw str sub swapgs syscall sysenter sysexit sysret test tzcnt ud2 verr verw "
    "wait wbinvd wrmsr xadd xchg xgetbv xlat xlatb xor xrstor xsave xsetbv andn bextr blsi blsmsk "
    "blsr bzhi mulx pdep pext rorx sarx shlx shrx";

const char kAsm1[] =
    "f2xm1 fabs fadd faddp fbld fbstp fchs fclex fcmovb fcmovbe fcmove fcmovnb fcmovnbe fcmovne "
    "fcmovnu fcmovu fcom fcomi fcomip fcomp fcompp fcos fdecstp fdisi fdiv fdivp fdivr fdivrp feni "
    "ffree fiadd ficom ficomp fidiv fidivr fild fimul fincstp finit fist fistp fisttp fisub fisubr "
    "fld fld1 fldcw fldenv fldl2e fldl2t fldlg2 fldln2 fldpi fldz fmul fmulp fnclex fndisi fneni "
    "fninit fnop fnsave fnstcw fnstenv fnstsw fpatan fprem fprem1 fptan frndint frstor fsave fscale "
    "fsetpm fsin fsincos fsqrt fst fstcw fstenv fstp fstsw fsub fsubp fsubr fsubrp ftst fucom fucomi "
    "fucomip fucomp fucompp fwait fxam fxch fxrstor fxsave fxtract fyl2x fyl2xp1 emms femms";

const char kAsm2[] =
    "ah al ax bh bl bp bpl bx ch cl cr0 cr2 cr3 cr4 cr8 cs cx dh di dil dl dr0 dr1 dr2 dr3 dr6 dr7 ds "
    "dx eax ebp ebx ecx edi edx eip es esi esp fs gs r8 r8b r8d r8w r9 r9b r9d r9w r10 r10b r10d r10w "
    "r11 r11b r11d r11w r12 r12b r12d r12w r13 r13b r13d r13w r14 r14b r14d r14w r15 r15b r15d r15w "
    "rax rbp rbx rcx rdi rdx rip rsi rsp si sil sp ss st st0 st1 st2 st3 st4 st5 st6 st7 mm0 mm1 mm2 "
    "mm3 mm4 mm5 mm6 mm7 xmm0 xmm1 xmm2 xmm3 xmm4 xmm5 xmm6 xmm7 xmm8 xmm9 xmm10 xmm11 xmm12 xmm13 "
    "xmm14 xmm15 ymm0 ymm1 ymm2 ymm3 ymm4 ymm5 ymm6 ymm7 ymm8 ymm9 ymm10 ymm11 ymm12 ymm13 ymm14 "
    "ymm15";

const char kAsm3[] =
    ".186 .286 .286c .286p .287 .386 .386c .386p .387 .486 .486p .586 .586p .686 .686p .8086 .8087 "
    ".alpha .break .code .const .continue .cref .data .data? .dosseg .else .elseif .endif .endw .err "
    ".err1 .err2 .errb .errdef .errdif .errdifi .erre .erridn .erridni .errnb .errndef .errnz .exit "
    ".fardata .fardata? .if .k3d .lall .lfcond .list .listall .listif .listmacro .listmacroall .mmx "
    ".model .msfloat .no87 .nocref .nolist .nolistif .nolistmacro .radix .repeat .sall .seq .sfcond "
    ".stack .startup .tfcond .type .until .untilcxz .while .xall .xcref .xlist .xmm alias align "
    "assume catstr comm comment db dd df dosseg dq dt dup dw echo else elseif elseif1 elseif2 elseifb "
    "elseifdef elseifdif elseifdifi elseife elseifidn elseifidni elseifnb elseifndef end endif endm "
    "endp ends eq equ even exitm extern externdef extrn for forc ge goto group gt high highword if "
    "if1 if2 ifb ifdef ifdif ifdifi ife ifidn ifidni ifnb ifndef include includelib instr invoke irp "
    "irpc label le length lengthof local low lowword lroffset lt macro mask mod name ne offset opattr "
    "option org %out page popcontext proc proto ptr public purge pushcontext record repeat rept seg "
    "segment short size sizeof sizestr struc struct substr subtitle subttl textequ this title type "
    "typedef union while width resb resw resd resq rest reso resy times incbin section bits use16 "
    "use32 use64 default rel abs global common cpu float absolute istruc iend at";

const char kAsm4[] =
    "$ ? @b @f addr basic byte c carry? dword far far16 fortran fword near near16 overflow? parity? "
    "pascal qword real4 real8 real10 sbyte sdword sign? stdcall sword syscall tbyte vararg word zero? "
    "flat near32 far32 abs all assumes at casemap common compact cpu dotname emulator epilogue error "
    "export expr16 expr32 farstack forceframe huge language large listing ljmp loadds m510 medium "
    "memory nearstack nodotname noemulator nokeyword noljmp nom510 none nonunique nooldmacros "
    "nooldstructs noreadonly noscoped nosignextend nothing notpublic oldmacros oldstructs os_dos para "
    "private prologue radix readonly req scoped setif2 smallstack tiny use16 use32 uses oword mmword "
    "xmmword ymmword zmmword frame unwind vectorcall fastcall thiscall seh basic_ cdecl";

const char kAsm5[] =
    "addpd addps addsd addss andnpd andnps andpd andps cmpeqpd cmpeqps cmppd cmpps cmpsd cmpss comisd "
    "comiss cvtdq2pd cvtdq2ps cvtpd2dq cvtpd2pi cvtpd2ps cvtpi2pd cvtpi2ps cvtps2dq cvtps2pd cvtps2pi "
    "cvtsd2si cvtsd2ss cvtsi2sd cvtsi2ss cvtss2sd cvtss2si cvttpd2dq cvttpd2pi cvttps2dq cvttps2pi "
    "cvttsd2si cvttss2si divpd divps divsd divss ldmxcsr maskmovdqu maskmovq maxpd maxps maxsd maxss "
    "minpd minps minsd minss movapd movaps movd movdq2q movdqa movdqu movhlps movhpd movhps movlhps "
    "movlpd movlps movmskpd movmskps movntdq movnti movntpd movntps movntq movq movq2dq movsd movss "
    "movupd movups mulpd mulps mulsd mulss orpd orps packssdw packsswb packuswb paddb paddd paddq "
    "paddsb paddsw paddusb paddusw paddw pand pandn pavgb pavgw pcmpeqb pcmpeqd pcmpeqw pcmpgtb "
    "pcmpgtd pcmpgtw pextrw pinsrw pmaddwd pmaxsw pmaxub pminsw pminub pmovmskb pmulhuw pmulhw pmullw "
    "pmuludq por psadbw pshufd pshufhw pshuflw pshufw pslld pslldq psllq psllw psrad psraw psrld "
    "psrldq psrlq psrlw psubb psubd psubq psubsb psubsw psubusb psubusw psubw punpckhbw punpckhdq "
    "punpckhqdq punpckhwd punpcklbw punpckldq punpcklqdq punpcklwd pxor rcpps rcpss rsqrtps rsqrtss "
    "shufpd shufps sqrtpd sqrtps sqrtsd sqrtss stmxcsr subpd subps subsd subss ucomisd ucomiss "
    "unpckhpd unpckhps unpcklpd unpcklps xorpd xorps addsubpd addsubps haddpd haddps hsubpd hsubps "
    "lddqu movddup movshdup movsldup pabsb pabsd pabsw palignr phaddd phaddsw phaddw phsubd phsubsw "
    "phsubw pmaddubsw pmulhrsw pshufb psignb psignd psignw blendpd blendps blendvpd blendvps dppd "
    "dpps extractps insertps movntdqa mpsadbw packusdw pblendvb pblendw pcmpeqq pextrb pextrd pextrq "
    "phminposuw pinsrb pinsrd pinsrq pmaxsb pmaxsd pmaxud pmaxuw pminsb pminsd pminud pminuw pmovsxbd "
    "pmovsxbq pmovsxbw pmovsxdq pmovsxwd pmovsxwq pmovzxbd pmovzxbq pmovzxbw pmovzxdq pmovzxwd "
    "pmovzxwq pmuldq pmulld ptest roundpd roundps roundsd roundss crc32 pcmpestri pcmpestrm pcmpistri "
    "pcmpistrm pcmpgtq aesdec aesdeclast aesenc aesenclast aesimc aeskeygenassist pclmulqdq vzeroall "
    "vzeroupper vbroadcastss vbroadcastsd vpermilps vpermilpd vperm2f128 vinsertf128 vextractf128 "
    "vfmadd132ps vfmadd213ps vfmadd231ps vfmadd132pd vfmadd213pd vfmadd231pd";

const char kPostScript0[] =
    "$error = == FontDirectory StandardEncoding UserObjects abs add aload anchorsearch and arc arcn "
    "arcto array ashow astore atan awidthshow begin bind bitshift bytesavailable cachestatus ceiling "
    "charpath clear cleardictstack cleartomark clip clippath closefile closepath concat concatmatrix "
    "copy copypage cos count countdictstack countexecstack counttomark currentdash currentdict "
    "currentfile currentflat currentfont currentgray currenthsbcolor currentlinecap currentlinejoin "
    "currentlinewidth currentmatrix currentmiterlimit currentpoint currentrgbcolor currentscreen "
    "currenttransfer curveto cvi cvlit cvn cvr cvrs cvs cvx def defaultmatrix definefont dict "
    "dictstack div dtransform dup echo eexec end eoclip eofill eq erasepage errordict exch exec "
    "execstack executeonly exit exp false file fill findfont flattenpath floor flush flushfile for "
    "forall ge get getinterval grestore grestoreall gsave gt identmatrix idiv idtransform if ifelse "
    "image imagemask index initclip initgraphics initmatrix internaldict invertmatrix itransform "
    "known kshow le length lineto ln load log loop lt makefont mark matrix maxlength mod moveto mul "
    "ne neg newpath noaccess not null nulldevice or pathbbox pathforall pop print prompt pstack put "
    "putinterval quit rand rcheck rcurveto read readhexstring readline readonly readstring repeat "
    "resetfile restore reversepath rlineto rmoveto roll rotate round rrand run save scale scalefont "
    "search serverdict setcachedevice setcachelimit setcharwidth setdash setflat setfont setgray "
    "sethsbcolor setlinecap setlinejoin setlinewidth setmatrix setmiterlimit setrgbcolor setscreen "
    "settransfer show showpage sin sqrt srand stack start status statusdict stop stopped store string "
    "stringwidth stroke strokepath sub systemdict token transform translate true truncate type "
    "userdict usertime version vmstatus wcheck where widthshow write writehexstring writestring "
    "xcheck xor";

const char kPostScript1[] =
    "GlobalFontDirectory ISOLatin1Encoding SharedFontDirectory UserObject arct colorimage cshow "
    "currentblackgeneration currentcacheparams currentcmykcolor currentcolor currentcolorrendering "
    "currentcolorscreen currentcolorspace currentcolortransfer currentdevparams currentglobal "
    "currentgstate currenthalftone currentobjectformat currentoverprint currentpacking "
    "currentpagedevice currentshared currentstrokeadjust currentsystemparams currentundercolorremoval "
    "currentuserparams defineresource defineuserobject deletefile execform execuserobject "
    "filenameforall fileposition filter findencoding findresource gcheck globaldict glyphshow gstate "
    "ineofill infill instroke inueofill inufill inustroke languagelevel makepattern packedarray "
    "printobject product realtime rectclip rectfill rectstroke renamefile resourceforall "
    "resourcestatus revision rootfont scheck selectfont serialnumber setbbox setblackgeneration "
    "setcachedevice2 setcacheparams setcmykcolor setcolor setcolorrendering setcolorscreen "
    "setcolorspace setcolortransfer setdevparams setfileposition setglobal setgstate sethalftone "
    "setobjectformat setoverprint setpacking setpagedevice setpattern setshared setstrokeadjust "
    "setsystemparams setucacheparams setundercolorremoval setuserparams setvmthreshold shareddict "
    "startjob uappend ucache ucachestatus ueofill ufill undef undefinefont undefineresource "
    "undefineuserobject upath ustroke ustrokepath vmreclaim writeobject xshow xyshow yshow";

const char kPostScript2[] =
    "cliprestore clipsave composefont currentsmoothness findcolorrendering setsmoothness shfill";

const char kPostScript3[] =
    ".begintransparencygroup .begintransparencymask .bytestring .charboxpath .currentaccuratecurves "
    ".currentblendmode .currentcurvejoin .currentdashadapt .currentdotlength .currentfilladjust2 "
    ".currentlimitclamp .currentopacityalpha .currentoverprintmode .currentrasterop "
    ".currentshapealpha .currentsourcetransparent .currenttextknockout .currenttexturetransparent "
    ".dashpath .dicttomark .discardtransparencygroup .discardtransparencymask .endtransparencygroup "
    ".endtransparencymask .execn .filename .fileposition .forceput .forceundef .forgetsave "
    ".getbitsrect .getdevice .inittransparencymask .knownget .locksafe .makeoperator .namestring "
    ".oserrno .oserrorstring .peekstring .rectappend .runandhide .setaccuratecurves .setblendmode "
    ".setcurvejoin .setdashadapt .setdebug .setdefaultmatrix .setdotlength .setfilladjust2 "
    ".setlimitclamp .setmaxlength .setopacityalpha .setoverprintmode .setrasterop .setsafe "
    ".setshapealpha .setsourcetransparent .settextknockout .settexturetransparent .stringbreak "
    ".stringmatch .tempfile .type1decrypt .type1encrypt .type1execchar .unread arccos arcsin "
    "copydevice copyscanlines currentdevice finddevice findlibfile findprotodevice flushpage "
    "getdeviceprops getenv makeimagedevice makewordimagedevice max min outputpage putdeviceprops "
    "setdevice";

const char kRuby0[] =
    "__ENCODING__ __FILE__ __LINE__ BEGIN END alias and begin break case class def defined? do else "
    "elsif end ensure false for if in module next nil not or redo rescue retry return self super then "
    "true undef unless until when while yield attr_accessor attr_reader attr_writer include extend "
    "require require_relative private protected public raise loop lambda proc puts";

const char kSmalltalk0[] =
    "ifTrue: ifFalse: whileTrue: whileFalse: ifNil: ifNotNil: whileTrue repeat isNil notNil super "
    "self";

const char kVhdl0[] =
    "access after alias all architecture array assert attribute begin block body buffer bus case "
    "component configuration constant disconnect downto else elsif end entity exit file for function "
    "generate generic group guarded if impure in inertial inout is label library linkage literal loop "
    "map new next null of on open others out package port postponed procedure process pure range "
    "record register reject report return select severity shared signal subtype then to transport "
    "type unaffected units until use variable wait when while with context force release parameter "
    "protected assume assume_guarantee cover default fairness property restrict restrict_guarantee "
    "sequence strong vmode vprop vunit";

const char kVhdl1[] =
    "abs and mod nand nor not or rem rol ror sla sll sra srl xnor xor";

const char kVhdl2[] =
    "left right low high ascending image value pos val succ pred leftof rightof base range "
    "reverse_range length delayed stable quiet transaction event active last_event last_active "
    "last_value driving driving_value simple_name path_name instance_name element subtype";

const char kVhdl3[] =
    "now readline read writeline write endfile resolved to_bit to_bitvector to_stdulogic "
    "to_stdlogicvector to_stdulogicvector is_x shift_left shift_right rotate_left rotate_right resize "
    "to_integer to_unsigned to_signed std_match to_01 rising_edge falling_edge conv_integer "
    "conv_unsigned conv_signed conv_std_logic_vector ext sxt to_string to_hstring to_ostring minimum "
    "maximum";

const char kVhdl4[] =
    "std ieee work standard textio std_logic_1164 std_logic_arith std_logic_misc std_logic_signed "
    "std_logic_textio std_logic_unsigned numeric_bit numeric_std math_complex math_real "
    "vital_primitives vital_timing";

const char kVhdl5[] =
    "boolean bit character severity_level integer real time delay_length natural positive string "
    "bit_vector file_open_kind file_open_status line text side width std_ulogic std_ulogic_vector "
    "std_logic std_logic_vector X01 X01Z UX01 UX01Z unsigned signed boolean_vector integer_vector "
    "real_vector time_vector";

const char kKix0[] =
    "? and beep big break call cd cls color cookie1 copy case debug del dim display do until exit "
    "flushkb for each next function endfunction get gets global go gosub goto if else endif md or "
    "password play quit rd redim return run select endselect set setl setm settime shell sleep small "
    "use while loop";

const char kKix1[] =
    "abs addkey addprinterconnection addprogramgroup addprogramitem asc ascan at backupeventlog box "
    "cdbl chr cint cleareventlog close comparefiletimes createobject cstr dectohex delkey "
    "delprinterconnection delprogramgroup delprogramitem deltree delvalue dir enumgroup enumipinfo "
    "enumkey enumlocalgroup enumvalue execute exist existkey expandenvironmentvars fix formatnumber "
    "freefilehandle getdiskspace getfileattr getfilesize getfiletime getfileversion getobject iif "
    "ingroup instr instrrev int isdeclared join kbhit keyexist lcase left len loadhive loadkey "
    "logevent logoff ltrim memorysize messagebox open readline readprofilestring readtype readvalue "
    "redirectoutput right rnd round rtrim savekey sendkeys sendmessage setascii setconsole "
    "setdefaultprinter setfileattr setfocus setoption setsystemstate settitle setwallpaper "
    "showprogramgroup shutdown sidtoname split srnd substr trim ubound ucase unloadhive val vartype "
    "vartypename writeline writeprofilestring writevalue";

const char kKix2[] =
    "address build color comment cpu crlf csd curdir date day domain dos error fullname homedir "
    "homedrive homeshr hostname inwin ipaddress0 ipaddress1 ipaddress2 ipaddress3 kix lanroot ldomain "
    "ldrive lm logonmode longhomedir lserver maxpwage mdayno mhz monthno month msecs pid primarygroup "
    "priv productsuite producttype pwage ras result rserver scriptdir scriptexe scriptname serror sid "
    "site startdir syslang ticks time tssession userid userlang wdayno wksta wuserid ydayno year";

const char kAutoIt0[] =
    "and byref case const continuecase continueloop default dim do else elseif endfunc endif "
    "endselect endswitch endwith enum exit exitloop false for func global if in local next not null "
    "or redim return select static step switch then to true until volatile wend while with";

const char kAutoIt1[] =
    "abs acos adlibregister adlibunregister asc ascw asin assign atan autoitsetoption "
    "autoitwingettitle autoitwinsettitle beep binary binarylen binarymid binarytostring bitand bitnot "
    "bitor bitrotate bitshift bitxor blockinput break call cdtray ceiling chr chrw clipget clipput "
    "consoleread consolewrite consolewriteerror controlclick controlcommand controldisable "
    "controlenable controlfocus controlgetfocus controlgethandle controlgetpos controlgettext "
    "controlhide controllistview controlmove controlsend controlsettext controlshow controltreeview "
    "cos dec dircopy dircreate dirgetsize dirmove dirremove dllcall dllclose dllopen dllstructcreate "
    "dllstructgetdata dllstructgetptr dllstructgetsize dllstructsetdata drivegetdrive "
    "drivegetfilesystem drivegetlabel drivegetserial drivegettype drivemapadd drivemapdel drivemapget "
    "drivesetlabel drivespacefree drivespacetotal drivestatus envget envset envupdate eval execute "
    "exp filechangedir fileclose filecopy filecreatentfslink filecreateshortcut filedelete fileexists "
    "filefindfirstfile filefindnextfile fileflush filegetattrib filegetencoding filegetlongname "
    "filegetpos filegetshortcut filegetshortname filegetsize filegettime filegetversion fileinstall "
    "filemove fileopen fileopendialog fileread filereadline filerecycle filerecycleempty "
    "filesavedialog fileselectfolder filesetattrib filesetpos filesettime filewrite filewriteline "
    "floor ftpsetproxy guicreate guictrlcreatebutton guictrlcreatecheckbox guictrlcreatecombo "
    "guictrlcreateedit guictrlcreategroup guictrlcreateinput guictrlcreatelabel guictrlcreatelist "
    "guictrlcreatelistview guictrlcreatemenu guictrlcreatemenuitem guictrlcreatepic "
    "guictrlcreateprogress guictrlcreateradio guictrlcreatetab guictrlcreatetreeview guictrlread "
    "guictrlsetdata guictrlsetstate guictrlsettext guidelete guigetmsg guisetstate hex hotkeyset "
    "httpsetproxy inetget inetgetsize inetread inidelete iniread inireadsection iniwrite inputbox int "
    "isadmin isarray isbinary isbool isdeclared isdllstruct isfloat ishwnd isint iskeyword isnumber "
    "isobj isptr isstring log memgetstats mod mouseclick mouseclickdrag mousedown mousegetcursor "
    "mousegetpos mousemove mouseup mousewheel msgbox number objcreate objevent objget ping "
    "pixelchecksum pixelgetcolor pixelsearch processclose processexists processlist "
    "processsetpriority processwait processwaitclose progressoff progresson progressset ptr random "
    "regdelete regenumkey regenumval regread regwrite round run runas runwait send sendkeepactive "
    "seterror setextended shellexecute shellexecutewait shutdown sin sleep soundplay "
    "soundsetwavevolume splashimageon splashoff splashtexton sqrt srandom statusbargettext stderrread "
    "stdinwrite stdioclose stdoutread string stringaddcr stringcompare stringformat stringinstr "
    "stringisalnum stringisalpha stringisdigit stringleft stringlen stringlower stringmid "
    "stringregexp stringregexpreplace stringreplace stringright stringsplit stringstripws "
    "stringtrimleft stringtrimright stringupper tan tcpaccept tcpclosesocket tcpconnect tcplisten "
    "tcprecv tcpsend tcpshutdown tcpstartup timerdiff timerinit tooltip traytip ubound udpbind "
    "udpclosesocket udpopen udprecv udpsend winactivate winactive winclose winexists winflash "
    "wingetcaretpos wingetclasslist wingetclientsize wingethandle wingetpos wingetprocess wingetstate "
    "wingettext wingettitle winkill winlist winmenuselectitem winminimizeall winmove winsetontop "
    "winsetstate winsettitle winsettrans winwait winwaitactive winwaitclose winwaitnotactive";

const char kAutoIt2[] =
    "@appdatacommondir @appdatadir @autoitexe @autoitpid @autoitversion @autoitx64 @com_eventobj "
    "@commonfilesdir @compiled @computername @comspec @cpuarch @cr @crlf @desktopcommondir "
    "@desktopdepth @desktopdir @desktopheight @desktoprefresh @desktopwidth @documentscommondir "
    "@error @exitcode @exitmethod @extended @favoritescommondir @favoritesdir @gui_ctrlhandle "
    "@gui_ctrlid @gui_dragfile @gui_dragid @gui_dropid @gui_winhandle @homedrive @homepath @homeshare "
    "@hotkeypressed @hour @ipaddress1 @ipaddress2 @ipaddress3 @ipaddress4 @kblayout @lf "
    "@localappdatadir @logondnsdomain @logondomain @logonserver @mday @min @mon @msec @muilang "
    "@mydocumentsdir @numparams @osarch @osbuild @oslang @osservicepack @ostype @osversion "
    "@programfilesdir @programscommondir @programsdir @scriptdir @scriptfullpath @scriptlinenumber "
    "@scriptname @sec @startmenucommondir @startmenudir @startupcommondir @startupdir @sw_disable "
    "@sw_enable @sw_hide @sw_lock @sw_maximize @sw_minimize @sw_restore @sw_show @sw_showdefault "
    "@sw_showmaximized @sw_showminimized @sw_showminnoactive @sw_showna @sw_shownoactivate "
    "@sw_shownormal @sw_unlock @systemdir @tab @tempdir @tray_id @trayiconflashing @trayiconvisible "
    "@username @userprofiledir @wday @windowsdir @workingdir @yday @year";

const char kAutoIt3[] =
    "{!} {#} {^} {{} {}} {+} {alt} {altdown} {altup} {appskey} {asc} {backspace} {break} "
    "{browser_back} {browser_favorites} {browser_forward} {browser_home} {browser_refresh} "
    "{browser_search} {browser_stop} {bs} {capslock} {ctrldown} {ctrlup} {del} {delete} {down} {end} "
    "{enter} {esc} {escape} {f1} {f10} {f11} {f12} {f2} {f3} {f4} {f5} {f6} {f7} {f8} {f9} {home} "
    "{ins} {insert} {lalt} {launch_app1} {launch_app2} {launch_mail} {launch_media} {lctrl} {left} "
    "{lshift} {lwin} {lwindown} {lwinup} {media_next} {media_play_pause} {media_prev} {media_stop} "
    "{numlock} {numpad0} {numpad1} {numpad2} {numpad3} {numpad4} {numpad5} {numpad6} {numpad7} "
    "{numpad8} {numpad9} {numpadadd} {numpaddiv} {numpaddot} {numpadenter} {numpadmult} {numpadsub} "
    "{pause} {pgdn} {pgup} {printscreen} {ralt} {rctrl} {right} {rshift} {rwin} {rwindown} {rwinup} "
    "{scrolllock} {shiftdown} {shiftup} {sleep} {space} {tab} {up} {volume_down} {volume_mute} "
    "{volume_up}";

const char kAutoIt4[] =
    "#ce #comments-end #comments-start #cs #include #include-once #notrayicon #onautoitstartregister "
    "#requireadmin";

const char kAutoIt5[] =
    "#autoit3wrapper_au3check_parameters #autoit3wrapper_icon #autoit3wrapper_outfile "
    "#autoit3wrapper_run_au3check #autoit3wrapper_useupx #tidy_parameters";

const char kCaml0[] =
    "and as assert asr begin class constraint do done downto else end exception external false for "
    "fun function functor if in include inherit initializer land lazy let lor lsl lsr lxor match "
    "method mod module mutable new nonrec object of open or private rec sig struct then to true try "
    "type val virtual when while with";

const char kCaml1[] =
    "option Some None ignore ref raise";

const char kCaml2[] =
    "int float bool char string unit list array";

const char kAda0[] =
    "abort abs abstract accept access aliased all and array at begin body case constant declare delay "
    "delta digits do else elsif end entry exception exit for function generic goto if in interface is "
    "limited loop mod new not null of or others out overriding package parallel pragma private "
    "procedure protected raise range record rem renames requeue return reverse select separate some "
    "subtype synchronized tagged task terminate then type until use when while with xor";

const char kVerilog0[] =
    "always and assign automatic begin buf bufif0 bufif1 case casex casez cell cmos config deassign "
    "default defparam design disable edge else end endcase endconfig endfunction endgenerate "
    "endmodule endprimitive endspecify endtable endtask event for force forever fork function "
    "generate genvar highz0 highz1 if ifnone incdir include initial inout input instance integer join "
    "large liblist library localparam macromodule medium module nand negedge nmos nor noshowcancelled "
    "not notif0 notif1 or output parameter pmos posedge primitive pull0 pull1 pulldown pullup "
    "pulsestyle_ondetect pulsestyle_onevent rcmos real realtime reg release repeat rnmos rpmos rtran "
    "rtranif0 rtranif1 scalared showcancelled signed small specify specparam strong0 strong1 supply0 "
    "supply1 table task time tran tranif0 tranif1 tri tri0 tri1 triand trior trireg unsigned use "
    "uwire vectored wait wand weak0 weak1 while wire wor xnor xor alias always_comb always_ff "
    "always_latch assert assume before bind bins binsof bit break byte chandle class clocking const "
    "constraint context continue cover covergroup coverpoint cross dist do endclass endclocking "
    "endgroup endinterface endpackage endprogram endproperty endsequence enum expect export extends "
    "extern final first_match foreach forkjoin iff ignore_bins illegal_bins import inside int "
    "interface intersect join_any join_none local logic longint matches modport new null package "
    "packed priority program property protected pure rand randc randcase randsequence ref return "
    "sequence shortint shortreal solve static string struct super tagged this throughout "
    "timeprecision timeunit type typedef union unique var virtual void wait_order wildcard with "
    "within accept_on checker endchecker eventually global implies let nexttime reject_on restrict "
    "s_always s_eventually s_nexttime s_until s_until_with strong sync_accept_on sync_reject_on "
    "unique0 until until_with untyped weak implements interconnect nettype soft";

const char kVerilog1[] =
    "$async$and$array $async$and$plane $async$nand$array $async$nand$plane $async$nor$array "
    "$async$nor$plane $async$or$array $async$or$plane $bitstoreal $countdrivers $display $displayb "
    "$displayh $displayo $dist_chi_square $dist_erlang $dist_exponential $dist_normal $dist_poisson "
    "$dist_t $dist_uniform $dumpall $dumpfile $dumpflush $dumplimit $dumpoff $dumpon $dumpports "
    "$dumpportsall $dumpportsflush $dumpportslimit $dumpportsoff $dumpportson $dumpvars $fclose "
    "$fdisplay $fdisplayb $fdisplayh $fdisplayo $feof $ferror $fflush $fgetc $fgets $finish $fmonitor "
    "$fmonitorb $fmonitorh $fmonitoro $fopen $fread $fscanf $fseek $fstrobe $fstrobeb $fstrobeh "
    "$fstrobeo $ftell $fwrite $fwriteb $fwriteh $fwriteo $getpattern $history $incsave $input $itor "
    "$key $list $log $monitor $monitorb $monitorh $monitoro $monitoroff $monitoron $nokey $nolog "
    "$printtimescale $q_add $q_exam $q_full $q_initialize $q_remove $random $readmemb $readmemh "
    "$realtime $realtobits $reset $reset_count $reset_value $restart $rewind $rtoi $save $scale "
    "$scope $sdf_annotate $sformat $showscopes $showvariables $showvars $signed $sreadmemb $sreadmemh "
    "$sscanf $stime $stop $strobe $strobeb $strobeh $strobeo $swrite $swriteb $swriteh $swriteo "
    "$sync$and$array $sync$and$plane $sync$nand$array $sync$nand$plane $sync$nor$array "
    "$sync$nor$plane $sync$or$array $sync$or$plane $test$plusargs $time $timeformat $timescale "
    "$ungetc $unsigned $value$plusargs $write $writeb $writeh $writememb $writememh $writeo "
    "$assertkill $assertoff $asserton $bits $cast $clog2 $countones $dimensions $error $exit $fatal "
    "$high $increment $info $isunbounded $isunknown $left $low $onehot $onehot0 $past $right $rose "
    "$sampled $size $stable $fell $typename $unpacked_dimensions $urandom $urandom_range $warning "
    "$root $unit $changed $future_gclk $past_gclk $global_clock $coverage_control $coverage_get "
    "$coverage_get_max $coverage_merge $coverage_save $get_coverage $set_coverage_db_name "
    "$load_coverage_db $system $acos $asin $atan $atan2 $ceil $cos $cosh $exp $floor $hypot $ln "
    "$log10 $pow $sin $sinh $sqrt $tan $tanh $assertcontrol $assertpasson $assertpassoff "
    "$assertfailon $assertfailoff $assertnonvacuouson $assertvacuousoff $fell_gclk $rose_gclk "
    "$stable_gclk $changing_gclk $falling_gclk $rising_gclk $steady_gclk $bitstoshortreal "
    "$shortrealtobits $psprintf $test $value $countbits";

const char kMatlab0[] =
    "break case catch classdef continue else elseif end for function global if otherwise parfor "
    "persistent return spmd switch try while";

const char kHaskell0[] =
    "case class data default deriving do else foreign if import in infix infixl infixr instance let "
    "module newtype of then type where forall mdo family role pattern static stock anyclass via "
    "qualified hiding as";

const char kInno0[] =
    "code components custommessages dirs files icons ini installdelete langoptions languages messages "
    "registry run setup types tasks uninstalldelete uninstallrun";

const char kInno1[] =
    "allowcancelduringinstall allownetworkdrive allownoicons allowrootdirectory allowuncpath "
    "alwaysrestart alwaysshowcomponentslist alwaysshowdironreadypage alwaysshowgrouponreadypage "
    "alwaysusepersonalgroup appcomments appcontact appcopyright appenddefaultdirname "
    "appenddefaultgroupname appid appmodifypath appmutex appname apppublisher apppublisherurl "
    "appreadmefile appsupportphone appsupporturl appupdatesurl appvername appversion "
    "architecturesallowed architecturesinstallin64bitmode backcolor backcolor2 backcolordirection "
    "backsolid changesassociations changesenvironment closeapplications closeapplicationsfilter "
    "compression compressionthreads createappdir createuninstallregkey defaultdialogfontname "
    "defaultdirname defaultgroupname defaulttasks defaultusertoinfo dialogfontsize direxistswarning "
    "disabledirpage disablefinishedpage disableprogramgrouppage disablereadymemo disablereadypage "
    "disablestartupprompt disablewelcomepage diskclustersize diskslicesize diskspanning "
    "enabledirdoesntexistwarning encryption extradiskspacerequired flatcomponentslist infoafterfile "
    "infobeforefile internalcompresslevel languagedetectionmethod licensefile lzmaalgorithm "
    "lzmablocksize lzmadictionarysize lzmamatchfinder lzmanumblockthreads lzmanumfastbytes "
    "lzmauseseparateprocess mergeduplicatefiles minversion onlybelowversion output outputbasefilename "
    "outputdir outputmanifestfile password privilegesrequired privilegesrequiredoverridesallowed "
    "reservebytes restartapplications restartifneededbyrun setuplogging setupiconfile setupmutex "
    "showcomponentsizes showlanguagedialog showtaskstreelines showundisplayablelanguages "
    "signeduninstaller signeduninstallerdir signtool signtoolminimumtimebetween signtoolretrycount "
    "slicesperdisk solidcompression sourcedir timestamprounding timestampsinutc touchdate touchtime "
    "uninstallable uninstalldisplayicon uninstalldisplayname uninstalldisplaysize uninstallfilesdir "
    "uninstalllogmode uninstallrestartcomputer updateuninstalllogappname usepreviousappdir "
    "usepreviousgroup usepreviouslanguage useprevioussetuptype useprevioustasks useprevioususerinfo "
    "userinfopage usesetupldr versioninfocompany versioninfocopyright versioninfodescription "
    "versioninfoproductname versioninfoproducttextversion versioninfoproductversion "
    "versioninfotextversion versioninfoversion windowresizable windowshowcaption windowstartmaximized "
    "windowvisible wizardimagealphaformat wizardimagefile wizardimagestretch wizardsmallimagefile "
    "wizardstyle";

const char kInno2[] =
    "afterinstall attribs beforeinstall check comment components copymode description destdir "
    "destname excludes extradiskspacerequired filename flags fontinstall groupdescription hotkey "
    "iconfilename iconindex infoafterfile infobeforefile key languages licensefile messagesfile "
    "minversion name onlybelowversion parameters permissions root runonceid section source statusmsg "
    "string subkey tasks type types valuedata valuename valuetype verb workingdir";

const char kInno3[] =
    "#define #elif #else #endif #error #expr #file #if #ifdef #ifexist #ifndef #ifnexist #include "
    "#insert #pragma #sub #undef #emit #for #append #dim #redim #endsub";

const char kInno4[] =
    "and begin break case const continue do downto else end except exit false finally for function if "
    "nil not of or procedure program record repeat result then to true try type until uses var while "
    "with";

const char kCMake0[] =
    "add_compile_definitions add_compile_options add_custom_command add_custom_target add_definitions "
    "add_dependencies add_executable add_library add_link_options add_subdirectory add_test "
    "aux_source_directory block break build_command build_name cmake_host_system_information "
    "cmake_language cmake_minimum_required cmake_parse_arguments cmake_path cmake_policy "
    "configure_file continue create_test_sourcelist ctest_build ctest_configure ctest_coverage "
    "ctest_empty_binary_directory ctest_memcheck ctest_read_custom_files ctest_run_script ctest_sleep "
    "ctest_start ctest_submit ctest_test ctest_update ctest_upload define_property else elseif "
    "enable_language enable_testing endblock endforeach endfunction endif endmacro endwhile "
    "exec_program execute_process export export_library_dependencies file find_file find_library "
    "find_package find_path find_program fltk_wrap_ui foreach function get_cmake_property "
    "get_directory_property get_filename_component get_property get_source_file_property "
    "get_target_property get_test_property if include include_directories include_external_msproject "
    "include_guard include_regular_expression install install_files install_programs install_targets "
    "link_directories link_libraries list load_cache load_command macro make_directory "
    "mark_as_advanced math message option output_required_files project qt_wrap_cpp qt_wrap_ui remove "
    "remove_definitions return separate_arguments set set_directory_properties set_property "
    "set_source_files_properties set_target_properties set_tests_properties site_name source_group "
    "string subdir_depends subdirs target_compile_definitions target_compile_features "
    "target_compile_options target_include_directories target_link_directories target_link_libraries "
    "target_link_options target_precompile_headers target_sources try_compile try_run unset "
    "use_mangled_mesa utility_source variable_requires variable_watch while write_file";

const char kCMake2[] =
    "ANDROID APPLE BORLAND BSD CACHE CMAKE_ADSP_ROOT CMAKE_ANDROID_API CMAKE_ANDROID_ARCH "
    "CMAKE_ANDROID_GUI CMAKE_ANDROID_NDK CMAKE_ANDROID_PROGUARD CMAKE_ANDROID_RTTI "
    "CMAKE_APPBUNDLE_PATH CMAKE_AR CMAKE_ARGC CMAKE_AUTOGEN_PARALLEL CMAKE_AUTOGEN_VERBOSE "
    "CMAKE_AUTOMOC CMAKE_AUTORCC CMAKE_AUTORCC_OPTIONS CMAKE_AUTOUIC CMAKE_AUTOUIC_OPTIONS "
    "CMAKE_BINARY_DIR CMAKE_BUILD_RPATH CMAKE_BUILD_TOOL CMAKE_BUILD_TYPE CMAKE_CACHEFILE_DIR "
    "CMAKE_CFG_INTDIR CMAKE_COLOR_MAKEFILE CMAKE_COMMAND CMAKE_CPACK_COMMAND CMAKE_CROSSCOMPILING "
    "CMAKE_CROSS_CONFIGS CMAKE_CTEST_ARGUMENTS CMAKE_CTEST_COMMAND CMAKE_CUDA_EXTENSIONS "
    "CMAKE_CUDA_STANDARD CMAKE_CURRENT_FUNCTION CMAKE_CXX_EXTENSIONS CMAKE_CXX_STANDARD "
    "CMAKE_C_EXTENSIONS CMAKE_C_STANDARD CMAKE_DEBUG_POSTFIX CMAKE_DEFAULT_CONFIGS "
    "CMAKE_DIRECTORY_LABELS CMAKE_DL_LIBS CMAKE_DOTNET_SDK CMAKE_ECLIPSE_VERSION CMAKE_EDIT_COMMAND "
    "CMAKE_ENABLE_EXPORTS CMAKE_ERROR_DEPRECATED CMAKE_EXTRA_GENERATOR CMAKE_FIND_APPBUNDLE "
    "CMAKE_FIND_FRAMEWORK CMAKE_FOLDER CMAKE_FRAMEWORK CMAKE_FRAMEWORK_PATH CMAKE_GENERATOR "
    "CMAKE_HIP_EXTENSIONS CMAKE_HIP_STANDARD CMAKE_HOME_DIRECTORY CMAKE_HOST_APPLE CMAKE_HOST_BSD "
    "CMAKE_HOST_LINUX CMAKE_HOST_SOLARIS CMAKE_HOST_SYSTEM CMAKE_HOST_UNIX CMAKE_IGNORE_PATH "
    "CMAKE_INCLUDE_PATH CMAKE_INSTALL_MESSAGE CMAKE_INSTALL_PREFIX CMAKE_INSTALL_RPATH "
    "CMAKE_JOB_POOLS CMAKE_LIBRARY_PATH CMAKE_MACOSX_BUNDLE CMAKE_MACOSX_RPATH CMAKE_MAJOR_VERSION "
    "CMAKE_MAKE_PROGRAM CMAKE_MATCH_COUNT CMAKE_MESSAGE_CONTEXT CMAKE_MESSAGE_INDENT CMAKE_MFC_FLAG "
    "CMAKE_MINOR_VERSION CMAKE_MODULE_PATH CMAKE_NETRC CMAKE_NETRC_FILE CMAKE_OBJCXX_STANDARD "
    "CMAKE_OBJC_EXTENSIONS CMAKE_OBJC_STANDARD CMAKE_OSX_SYSROOT CMAKE_PATCH_VERSION "
    "CMAKE_PREFIX_PATH CMAKE_PROGRAM_PATH CMAKE_PROJECT_INCLUDE CMAKE_PROJECT_NAME "
    "CMAKE_PROJECT_VERSION CMAKE_RANLIB CMAKE_ROOT CMAKE_RULE_MESSAGES CMAKE_SKIP_RPATH "
    "CMAKE_SOURCE_DIR CMAKE_STAGING_PREFIX CMAKE_SYSROOT CMAKE_SYSROOT_COMPILE CMAKE_SYSROOT_LINK "
    "CMAKE_SYSTEM CMAKE_SYSTEM_NAME CMAKE_SYSTEM_PROCESSOR CMAKE_SYSTEM_VERSION CMAKE_TASKING_TOOLSET "
    "CMAKE_TLS_CAINFO CMAKE_TLS_VERIFY CMAKE_TOOLCHAIN_FILE CMAKE_TWEAK_VERSION CMAKE_UNITY_BUILD "
    "CMAKE_VERBOSE_MAKEFILE CMAKE_VERSION CMAKE_VS_GLOBALS CMAKE_WARN_DEPRECATED CMAKE_XCODE_XCCONFIG "
    "CYGWIN ENV GHSMULTI IOS";

const char kYaml0[] =
    "true false yes no";

const char kCobol0[] =
    "configuration data declaratives division environment fd file file-control i-o-control "
    "identification input-output linkage local-storage procedure program-id rd report sd section "
    "special-names working-storage communication screen object-computer source-computer";

const char kCobol1[] =
    "accept add alter call cancel close compute continue delete display divide entry evaluate exit "
    "generate go goback if initialize initiate inspect invoke merge move multiply open perform read "
    "release return rewrite search set sort start stop string subtract suppress terminate unstring "
    "use write end-accept end-add end-call end-compute end-delete end-display end-divide end-evaluate "
    "end-if end-multiply end-perform end-read end-return end-rewrite end-search end-start end-string "
    "end-subtract end-unstring end-write else then when other also by giving into from to until "
    "varying with test before after thru through times upon using returning on off size error "
    "exception overflow not invalid key at end of-page eop remainder rounded corresponding corr all "
    "any first last leading trailing replacing tallying converting delimited pointer count in of is "
    "are equal greater less than zero zeros zeroes space spaces high-value high-values low-value "
    "low-values quote quotes null nulls true false and or function allocate free raise resume exhibit "
    "ready reset trace transform examine commit rollback unlock validate disable enable purge receive "
    "send";

const char kCobol2[] =
    "absent access action active-x actual address adjustable-columns advancing alignment allowing "
    "alphabet alphabetic alphabetic-lower alphabetic-upper alphanumeric alphanumeric-edited alternate "
    "apply area areas argument-number argument-value arithmetic as ascending ascii assign attribute "
    "attributes auto auto-decimal auto-skip auto-spin automatic autoterminate away-from-zero "
    "background-color background-colour background-high background-low background-standard bar based "
    "beep bell binary binary-c-long binary-char binary-double binary-int binary-long binary-long-long "
    "binary-sequential binary-short bit bitmap bitmap-end bitmap-handle bitmap-number bitmap-start "
    "bitmap-timer bitmap-trailing bitmap-transparent-color bitmap-width blank blink block bottom box "
    "boxed bulk-addition busy buttons byte-length c calendar-font cancel-button capacity card-punch "
    "card-reader cassette ccol cd cell cell-color cell-data cell-font cell-protection cells center "
    "centered centered-headings century-date cf ch chaining changed character characters check-box "
    "class classification clear-selection cline clines cobol code code-set col collating color colors "
    "colours cols column column-color column-dividers column-font column-headings column-protection "
    "columns combo-box comma command-line common comp comp-0 comp-1 comp-2 comp-3 comp-4 comp-5 "
    "comp-6 comp-n comp-x computational computational-0 computational-1 computational-2 "
    "computational-3 computational-4 computational-5 computational-6 computational-n computational-x "
    "condition constant contains content control controls conversion copy copy-selection core-index "
    "crt crt-under csize currency cursor cursor-col cursor-color cursor-frame-width cursor-row "
    "cursor-x cursor-y custom-print-template cycle cyl-index cyl-overflow dashed data-columns "
    "data-types date date-entry day day-of-week de debugging decimal-point default default-button "
    "default-font delimiter depending descending destination destroy detail disc disk disp "
    "display-columns display-format divider-color dividers dotdash dotted double down drag-color "
    "drop-down drop-list duplicates dynamic ebcdic ec echo egi element emi empty-check encoding "
    "encryption end-color end-json end-modify end-of-page end-receive end-xml engraved ensure-visible "
    "entry-convention entry-field entry-reason environment-name environment-value eol eos equals "
    "erase escape escape-button esi event event-list every exception-value exclusive expand extend "
    "extended-search extern external external-form f fh--fcd fh--keydef file-id file-limit "
    "file-limits file-name file-pos fill-color fill-color2 fill-percent filler final finish-reason "
    "fixed fixed-font fixed-width flat flat-buttons float float-decimal-16 float-decimal-34 "
    "float-long float-short floating font footing for foreground-color foreground-colour forever "
    "frame framed full full-height function-id global go-back go-forward go-home go-search graphical "
    "grid group group-value handle has-children heading heading-color heading-divider-color "
    "heading-font heavy height-in-cells hidden-data high-color highlight hot-track hscroll "
    "hscroll-pos i-o icon id identified ignore ignoring independent index indexed indicate initial "
    "initialise initialised initialized input inquire insert-rows insertion-index intermediate "
    "intrinsic item item-text item-to-add item-to-delete item-to-empty item-value json just justified "
    "kept keyboard label label-offset large-font large-offset last-row layout-data layout-manager "
    "leading-shift leave left left-text leftline length length-check like limit limits linage "
    "linage-counter line line-counter line-sequential lines lines-at-root list-box lm-resize loc "
    "locale lock lock-holding long-date low-color lower lowered lowlight magnetic-tape manual "
    "mass-update master-index max-lines max-progress max-text max-val medium-font memory menu message "
    "min-val minus mode modify modules multiline multiple name named namespace namespace-prefix "
    "national national-edited native navigate-url nearest-away-from-zero nearest-even "
    "nearest-toward-zero negative nested new next next-item no no-auto-default no-autosel no-box "
    "no-dividers no-echo no-f4 no-focus no-group-tab no-key-letter no-search no-updown nominal "
    "nonnumeric normal notab nothing notify notify-change notify-dblclick notify-selchange "
    "num-col-headings num-rows number numbers numeric numeric-edited object occurs ok-button omitted "
    "only optional options order organisation organization others output overlap-left overlap-top "
    "overline packed-decimal padding page page-counter page-setup paged paragraph parent parse pascal "
    "password permanent pf ph physical pic picture pixel pixels placement plus pop-up pos position "
    "position-shift positive present previous print print-no-prompt print-preview printer printer-1 "
    "printing priority procedure-pointer procedures proceed processing program program-pointer "
    "progress prohibited prompt properties property protected push-button query-index queue "
    "radio-button raised random read-only readers record record-data record-overflow record-to-add "
    "record-to-delete recording records recursive redefines reel reference references refresh "
    "region-color relative removal renames reorg-criteria replace reporting reports repository "
    "required reread rerun reserve reset-grid reset-list reset-tabs retry reverse reverse-video "
    "reversed rewind rf rh right right-align rimmed rounding row-color row-color-pattern row-dividers "
    "row-font row-headings row-protection run s same save-as save-as-no-prompt scroll scroll-bar "
    "search-options search-text seconds secure segment segment-limit select select-all "
    "selection-index selection-text self-act sentence separate separation sequence sequential shading "
    "shadow sharing short-date show-lines show-none show-sel-always sign signed signed-int "
    "signed-long signed-short small-font sort-merge sort-order source spinner square standard "
    "standard-1 standard-2 standard-binary standard-decimal start-x start-y static static-list status "
    "status-bar status-text stdcall step strong style sub-queue-1 sub-queue-2 sub-queue-3 subwindow "
    "sum symbolic sync synchronised synchronized system-default system-info system-offset tab "
    "tab-to-add tab-to-delete table tape temporary terminal-info termination-value text thread "
    "threads thumb-position tiled-headings time time-out timeout title title-position top "
    "toward-greater toward-lesser track track-area track-limit tracks traditional-font trailing-shift "
    "transparent tree-view truncation type typedef u ucs-4 unbounded underline unframed unit unsigned "
    "unsigned-int unsigned-long unsigned-short unsorted up update updaters upper usage use-alt "
    "use-return use-tab user user-default utf-16 utf-8 v validating value value-format values "
    "variable variant vertical very-heavy virtual-width volatile vpadding vscroll vscroll-bar "
    "vscroll-pos vtop wait web-browser width width-in-cells window words wrap write-only write-verify "
    "writers x xml xml-declaration y yyyyddd yyyymmdd";

const char kD0[] =
    "abstract alias align asm assert auto body bool break byte case cast catch cdouble cent cfloat "
    "char class const continue creal dchar debug default delegate delete deprecated do double else "
    "enum export extern false final finally float for foreach foreach_reverse function goto idouble "
    "if ifloat immutable import in inout int interface invariant ireal is lazy long macro mixin "
    "module new nothrow null out override package pragma private protected public pure real ref "
    "return scope shared short static struct super switch synchronized template this throw true try "
    "typeid typeof ubyte ucent uint ulong union unittest ushort version void wchar while with "
    "__FILE__ __FILE_FULL_PATH__ __MODULE__ __LINE__ __FUNCTION__ __PRETTY_FUNCTION__ __gshared "
    "__traits __vector __parameters";

const char kPowerShell0[] =
    "begin break catch class continue data define do dynamicparam else elseif end enum exit filter "
    "finally for foreach from function hidden if in param process return static switch throw trap try "
    "until using var while workflow parallel sequence inlinescript";

const char kPowerShell1[] =
    "add-content add-history add-member add-pssnapin add-type clear-content clear-history clear-host "
    "clear-item clear-itemproperty clear-variable compare-object complete-transaction "
    "connect-pssession connect-wsman convert-path convertfrom-csv convertfrom-json "
    "convertfrom-securestring convertfrom-stringdata convertto-csv convertto-html convertto-json "
    "convertto-securestring convertto-xml copy-item copy-itemproperty debug-process "
    "disable-psbreakpoint disable-psremoting enable-psbreakpoint enable-psremoting enter-pssession "
    "exit-pssession export-alias export-clixml export-console export-csv export-formatdata "
    "export-modulemember foreach-object format-custom format-list format-table format-wide get-acl "
    "get-alias get-authenticodesignature get-childitem get-command get-content get-credential "
    "get-culture get-date get-event get-eventlog get-executionpolicy get-help get-history get-host "
    "get-item get-itemproperty get-job get-location get-member get-module get-process get-psdrive "
    "get-psprovider get-pssession get-random get-service get-uiculture get-unique get-variable "
    "get-wmiobject group-object import-alias import-clixml import-csv import-module invoke-command "
    "invoke-expression invoke-history invoke-item invoke-restmethod invoke-webrequest join-path "
    "measure-command measure-object move-item new-alias new-event new-item new-itemproperty "
    "new-module new-object new-psdrive new-pssession new-service new-timespan new-variable "
    "out-default out-file out-gridview out-host out-null out-printer out-string pop-location "
    "push-location read-host receive-job register-objectevent remove-item remove-itemproperty "
    "remove-job remove-module remove-psdrive remove-variable rename-item resolve-path restart-service "
    "resume-service select-object select-string select-xml set-acl set-alias set-content set-date "
    "set-executionpolicy set-item set-itemproperty set-location set-psdebug set-service "
    "set-strictmode set-variable sort-object split-path start-job start-process start-service "
    "start-sleep start-transcript stop-job stop-process stop-service stop-transcript suspend-service "
    "tee-object test-connection test-path trace-command update-help wait-job wait-process "
    "where-object write-debug write-error write-host write-output write-progress write-verbose "
    "write-warning";

const char kPowerShell2[] =
    "ac asnp cat cd chdir clc clear clhy cli clp cls clv compare copy cp cpi cpp cvpa dbp del diff "
    "dir ebp echo epal epcsv epsn erase etsn exsn fc fl foreach ft fw gal gbp gc gci gcm gcs gdr ghy "
    "gi gjb gl gm gmo gp gps group gsn gsnp gsv gu gv gwmi h history icm iex ihy ii ipal ipcsv ipmo "
    "ipsn ise iwmi kill lp ls man md measure mi mount move mp mv nal ndr ni nmo nsn nv ogv oh popd ps "
    "pushd pwd r rbp rcjb rd rdr ren ri rjb rm rmdir rmo rni rnp rp rsn rsnp rv rvpa sajb sal saps "
    "sasv sbp sc select set si sl sleep sort sp spjb spps spsv start sv swmi tee type where wjb write";

const char kPowerShell5[] =
    "component description example externalhelp forwardhelpcategory forwardhelptargetname "
    "functionality inputs link notes outputs parameter remotehelprunspace role synopsis";

const char kR0[] =
    "if else repeat while function for in next break TRUE FALSE NULL Inf NaN NA";

const char kR1[] =
    "abbreviate abs acos acosh activeBindingFunction addNA addTaskCallback agrep agrepl alist all "
    "allowInterrupts any anyDuplicated anyNA aperm append apply Arg args array arrayInd asin asinh "
    "asNamespace asplit asS3 asS4 assign atan atan2 atanh attach attachNamespace attr attributes "
    "autoload autoloader backsolve baseenv basename besselI besselJ besselK besselY beta "
    "bindingIsActive bindingIsLocked bindtextdomain bitwAnd bitwNot bitwOr bitwShiftL bitwShiftR "
    "bitwXor body bquote break browser browserCondition browserSetDebug browserText builtins by "
    "bzfile c call callCC capabilities casefold cat cbind ceiling character charmatch charToRaw "
    "chartr check_tzones chkDots chol chol2inv choose class clearPushBack close closeAllConnections "
    "col colMeans colnames colSums commandArgs comment complex computeRestarts conditionCall "
    "conditionMessage conflictRules conflicts Conj contributors cos cosh cospi crossprod Cstack_info "
    "cummax cummin cumprod cumsum curlGetHeaders cut date debug debuggingState debugonce "
    "delayedAssign deparse deparse1 det detach determinant dget diag diff difftime digamma dim "
    "dimnames dir dirname dontCheck double dput dQuote drop droplevels dump duplicated dynGet eapply "
    "eigen emptyenv enc2native enc2utf8 encodeString Encoding endsWith enquote environment "
    "environmentIsLocked environmentName errorCondition eval evalq exists exp expm1 expression "
    "extSoftVersion F factor factorial fifo file Filter Find findInterval findPackageEnv findRestart "
    "floor flush for force forceAndCall formals format formatC formatDL forwardsolve function gamma "
    "gc gcinfo gctorture gctorture2 get get0 getAllConnections getCallingDLL getCallingDLLe "
    "getConnection getDLLRegisteredRoutines getElement geterrmessage getExportedValue getHook "
    "getLoadedDLLs getNamespace getNamespaceExports getNamespaceImports getNamespaceInfo "
    "getNamespaceName getNamespaceUsers getNamespaceVersion getNativeSymbolInfo getOption getRversion "
    "getSrcLines getTaskCallbackNames gettext gettextf getwd gl globalCallingHandlers globalenv "
    "gregexec gregexpr grep grepl grepRaw grouping gsub gzcon gzfile I iconv iconvlist icuGetCollate "
    "icuSetCollate identical identity if ifelse Im importIntoEnv infoRDS inherits integer interaction "
    "interactive intersect intToBits intToUtf8 invisible invokeRestart invokeRestartInteractively isa "
    "isatty isBaseNamespace isdebugged isFALSE isIncomplete isNamespace isNamespaceLoaded ISOdate "
    "ISOdatetime isOpen isRestart isS4 isSeekable isSymmetric isTRUE jitter julian kappa kronecker "
    "l10n_info La_library La_version labels lapply lazyLoad lazyLoadDBexec lazyLoadDBfetch lbeta "
    "lchoose length lengths letters LETTERS levels lfactorial lgamma libcurlVersion library licence "
    "license list list2DF list2env load loadedNamespaces loadingNamespaceInfo loadNamespace local "
    "lockBinding lockEnvironment log log10 log1p log2 logb logical ls makeActiveBinding Map mapply "
    "marginSums match matrix max mean memCompress memDecompress merge message mget min missing Mod "
    "mode months mtfrm names namespaceExport namespaceImport namespaceImportClasses "
    "namespaceImportFrom namespaceImportMethods nargs nchar ncol NCOL Negate next NextMethod ngettext "
    "nlevels noquote norm normalizePath nrow NROW nullfile numeric numeric_version numToBits "
    "numToInts nzchar objects oldClass OlsonNames open options order ordered outer package_version "
    "packageEvent packageHasNamespace packageNotFoundError packageStartupMessage packBits pairlist "
    "parse parseNamespaceFile paste paste0 pcre_config pi pipe plot pmatch pmax pmin polyroot "
    "Position pretty prettyNum print prmatrix prod proportions provideDimnames psigamma pushBack "
    "pushBackLength q qr quarters quit quote R_system_version range rank rapply raw rawConnection "
    "rawConnectionValue rawShift rawToBits rawToChar rbind rcond Re readBin readChar readline "
    "readLines readRDS readRenviron Recall Reduce regexec regexpr registerS3method registerS3methods "
    "regmatches remove removeTaskCallback rep rep_len repeat replace replicate require "
    "requireNamespace restartDescription restartFormals retracemem return returnValue rev rle rm "
    "RNGkind RNGversion round row rowMeans rownames rowsum rowSums sample sapply save saveRDS scale "
    "scan search searchpaths seek seq seq_along seq_len sequence serialize serverSocket setdiff "
    "setequal setHook setNamespaceInfo setSessionTimeLimit setTimeLimit setwd showConnections shQuote "
    "sign signalCondition signif simpleCondition simpleError simpleMessage simpleWarning "
    "simplify2array sin single sinh sink sinpi socketAccept socketConnection socketSelect "
    "socketTimeout solve sort source split sprintf sqrt sQuote srcfile srcfilealias srcfilecopy "
    "srcref standardGeneric startsWith stderr stdin stdout stop stopifnot str2expression str2lang "
    "strftime strptime strrep strsplit strtoi strtrim structure strwrap sub subset substitute substr "
    "substring sum summary suppressMessages suppressPackageStartupMessages suppressWarnings "
    "suspendInterrupts svd sweep switch system system2 t T table tabulate tan tanh tanpi tapply "
    "taskCallbackManager tcrossprod tempdir tempfile textConnection textConnectionValue tolower "
    "topenv toString toupper trace traceback tracemem tracingState transform trigamma trimws trunc "
    "truncate try tryCatch tryInvokeRestart typeof unclass undebug union unique units unlink unlist "
    "unloadNamespace unlockBinding unname unserialize unsplit untrace untracemem unz url UseMethod "
    "utf8ToInt validEnc validUTF8 vapply vector Vectorize version warning warningCondition warnings "
    "weekdays which while with withAutoprint withCallingHandlers within withRestarts withVisible "
    "write writeBin writeChar writeLines xor xtfrm xzfile zapsmall as.array as.call as.character "
    "as.complex as.difftime as.double as.environment as.expression as.factor as.function as.hexmode "
    "as.integer as.list as.logical as.matrix as.name as.null as.numeric as.octmode as.ordered "
    "as.pairlist as.qr as.raw as.single as.symbol as.table as.vector is.array is.atomic is.call "
    "is.character is.complex is.double is.element is.environment is.expression is.factor is.finite "
    "is.function is.infinite is.integer is.language is.list is.loaded is.logical is.matrix is.na "
    "is.name is.nan is.null is.numeric is.object is.ordered is.pairlist is.primitive is.qr is.raw "
    "is.recursive is.single is.symbol";

const char kR2[] =
    "acf aggregate anova aov approx ar arima as.formula binom.test biplot bw.nrd chisq.test coef "
    "complete.cases confint cor cor.test cov cutree density deviance dist dnorm dbinom dpois dunif "
    "ecdf fft filter fitted fisher.test formula glm hclust kmeans kruskal.test ks.test lm loess "
    "logLik lowess mad mahalanobis median model.frame model.matrix na.omit nls optim optimize "
    "p.adjust pbinom pchisq pnorm poly power.t.test ppois prcomp predict princomp prop.test pt qbinom "
    "qchisq qnorm qqline qqnorm qt quantile rbinom rchisq reorder residuals rexp rgamma rnorm rpois "
    "rt runif sd shapiro.test smooth spline splinefun step t.test terms ts uniroot update var "
    "weighted.mean wilcox.test window xtabs head tail str summary plot hist barplot boxplot lines "
    "points abline legend par";

const char kCoffee0[] =
    "and break by catch class continue debugger delete do else extends false finally for if in "
    "instanceof is isnt loop new no not null of off on or own return super switch then this throw "
    "true try typeof undefined unless until when while yes yield await import export from as default";

const char kCoffee1[] =
    "Array Boolean Date Error Function JSON Math Number Object RegExp String Symbol Promise Map Set "
    "console document window require module exports process setTimeout setInterval clearTimeout "
    "clearInterval parseInt parseFloat isNaN isFinite encodeURI decodeURI encodeURIComponent "
    "decodeURIComponent escape unescape eval";

const char kCoffee3[] =
    "case default function var void with const let enum native implements interface package private "
    "protected public static";

const char kJson0[] =
    "false null true";

const char kJson1[] =
    "@id @context @type @value @language @container @list @set @reverse @index @base @vocab @graph";

const char kJavaScript0[] =
    "abstract async await break case catch class const continue debugger default delete do else enum "
    "export extends false final finally for from function get goto if implements import in instanceof "
    "interface let native new null of package private protected public return set static super switch "
    "synchronized this throw throws transient true try typeof var void volatile while with yield "
    "arguments eval undefined NaN Infinity globalThis as target meta constructor prototype";

const char kJavaScript1[] =
    "Array ArrayBuffer Atomics BigInt BigInt64Array BigUint64Array Boolean DataView Date Error "
    "EvalError FinalizationRegistry Float32Array Float64Array Function Int8Array Int16Array "
    "Int32Array Intl JSON Map Math Number Object Promise Proxy RangeError ReferenceError Reflect "
    "RegExp Set SharedArrayBuffer String Symbol SyntaxError TypeError Uint8Array Uint8ClampedArray "
    "Uint16Array Uint32Array URIError WeakMap WeakRef WeakSet decodeURI decodeURIComponent encodeURI "
    "encodeURIComponent isFinite isNaN parseFloat parseInt console document window navigator location "
    "history localStorage sessionStorage fetch alert confirm prompt setTimeout setInterval "
    "clearTimeout clearInterval requestAnimationFrame cancelAnimationFrame XMLHttpRequest Event "
    "EventTarget Node Element HTMLElement Blob File FileReader FormData Headers Request Response URL "
    "URLSearchParams WebSocket Worker AbortController TextEncoder TextDecoder structuredClone "
    "queueMicrotask";

const char kBaan0[] =
    "alike all and array as asc at avg base based between boolean both break bset buffer by call case "
    "cast chart clear clearunref common const continue count cross current_date current_timestamp "
    "date date.num date.to.num debug default delete deleteempty deleteerror desc dim distinct dll "
    "dllusage domain double else empty end endcase enddelete enddllusage endfor endfunctionusage "
    "endif endselect endupdate endwhile enum_description eq escape exists extern false fatal fetching "
    "field first fixed for from full function functionusage ge global goto group gt having hint hints "
    "if in include index inner input inrange integer is join label last le leading left like long lt "
    "max mb menu message min multibyte ne no nodebug not notransactions nowait null number of on or "
    "order outer path pi prepared print prompt question raw real ref reference refers repeat retry "
    "return right row rows select selectbind selectdo selectempty selecterror selecteos set setunref "
    "size skip static step sticky stop strict_boolean string subhint sum table text_content then "
    "timestamp to trailing trim true union unref until update updateempty updateerror use used void "
    "where while with within";

const char kBaan1[] =
    "before.program after.program main.table.io form.all field.all choice.all";

const char kBaan2[] =
    "before.choice:";

const char kBaan3[] =
    "abort.io add.set ask.field attr.input bms.receive bms.send brp.close brp.open "
    "brp.ready.cur.qualifier calculator change.order commit.transaction copy.mem db.bind db.delete "
    "db.eq db.first db.insert db.last db.lock.table db.next db.update disable.commands display.all "
    "do.all enable.commands end.program exec_function first.frm get.var import";

const char kBaan4[] =
    "abs acos asin atan ceil cos exp floor log log10 max min pow sin sqrt tan chr$ edit$ len lval "
    "shiftl$ shiftr$ str$ strip$ tolower$ toupper$ trim$ val date$ time$ utc.num num.to.date$ "
    "sprintf$ pos rpos concat$ string.scan mess tt.align.according.domain tt.day.name tt.month.name "
    "ltrim$ rtrim$ isspace isdigit isalpha isupper islower alloc.mem free.mem seq.open seq.close "
    "seq.read seq.write seq.gets seq.puts file.stat file.cp file.mv file.rm dir.open dir.close "
    "dir.entry mkdir rmdir shell app_start run.prog wait.and.activate zoom.to$ spool.open spool.close "
    "spool.line rprt_open rprt_close rprt_send brp.close brp.open brp.ready ask.enum";

const char kBaan5[] =
    "after.field before.field";

const char kBaan6[] =
    "#define #include";

const char kBaan7[] =
    "#pragma #ident";

const char kBaan8[] =
    "tcmcs tccom";

const char kSwift0[] =
    "associatedtype class deinit enum extension fileprivate func import init inout internal let open "
    "operator private precedencegroup protocol public rethrows static struct subscript typealias var "
    "actor nonisolated isolated some any consuming borrowing";

const char kSwift1[] =
    "break case continue default defer do else fallthrough for guard if in repeat return switch where "
    "while";

const char kSwift3[] =
    "as Any catch false is nil super self Self throw throws true try async await associativity "
    "convenience dynamic didSet final get infix indirect lazy left mutating none";

const char kAsn10[] =
    "ABSENT ABSTRACT-SYNTAX ALL APPLICATION AUTOMATIC BEGIN BIT BMPString BOOLEAN BY CHARACTER CHOICE "
    "CLASS COMPONENT COMPONENTS CONSTRAINED CONTAINING DEFAULT DEFINITIONS EMBEDDED ENCODED END "
    "ENUMERATED EXCEPT EXPLICIT EXPORTS EXTENSIBILITY EXTERNAL FALSE FROM GeneralString "
    "GeneralizedTime GraphicString IA5String IDENTIFIER IMPLICIT IMPLIED IMPORTS INCLUDES INSTANCE "
    "INTEGER INTERSECTION ISO646String MAX MIN MINUS-INFINITY NULL NumericString OBJECT "
    "ObjectDescriptor OCTET OF OPTIONAL PATTERN PDV PLUS-INFINITY PRESENT PrintableString PRIVATE "
    "REAL RELATIVE-OID SEQUENCE SET SIZE STRING SYNTAX T61String TAGS";

const char kAsn11[] =
    "ACCESS AGENT AUGMENTS BEGIN BITS CAPABILITY CHOICE COMPLIANCE CONTACT-INFO DEFVAL DESCRIPTION "
    "DISPLAY-HINT END ENTERPRISE EXPORTS FROM GROUP IDENTIFIER IMPLIED IMPORTS INDEX LAST-UPDATED "
    "MANDATORY-GROUPS MAX-ACCESS MIN-ACCESS MODULE MODULE-COMPLIANCE MODULE-IDENTITY "
    "NOTIFICATION-GROUP NOTIFICATION-TYPE NOTIFICATIONS OBJECT OBJECT-GROUP OBJECT-IDENTITY "
    "OBJECT-TYPE OBJECTS ORGANIZATION PRODUCT-RELEASE REFERENCE REVISION SEQUENCE SIZE STATUS "
    "SUPPORTS SYNTAX TEXTUAL-CONVENTION TRAP-TYPE UNITS VARIABLES VARIATION WRITE-SYNTAX";

const char kAsn12[] =
    "accessible-for-notify current deprecated not-accessible not-implemented obsolete optional "
    "read-create read-only read-write write-only mandatory";

const char kAsn13[] =
    "BOOLEAN Counter Counter32 Counter64 DisplayString Gauge Gauge32 INTEGER Integer32 IpAddress "
    "NetworkAddress NULL OBJECT OCTET Opaque PhysAddress SEQUENCE STRING TimeTicks Unsigned32 "
    "TruthValue RowStatus MacAddress DateAndTime";

const char kAvs0[] =
    "true false return global";

const char kAvs1[] =
    "addborders alignedsplice amplify amplifydb animate applyrange assumebff assumefieldbased "
    "assumefps assumeframebased assumesamplerate assumescaledfps assumetff audiodub audiodubex "
    "avifilesource avisource bicubicresize bilinearresize blackmanresize blackness blankclip blur bob "
    "cache changefps colorbars colorkeymask coloryuv compare complementparity conditionalfilter "
    "conditionalreader convertaudio convertaudioto16bit convertaudioto24bit convertaudioto32bit "
    "convertaudioto8bit convertaudiotofloat convertbacktoyuy2 convertfps converttobackyuy2 "
    "converttomono converttorgb converttorgb24 converttorgb32 converttoy8 converttoyuv411 "
    "converttoyuv422 converttoyuv444 converttoyv12 converttoyv16 converttoyv24 converttoyuy2 crop "
    "cropbottom delayaudio deleteframe deinterlace directshowsource dissolve doubleweave "
    "duplicateframe ensurevbrmp3sync fadein fadein0 fadein2 fadeio fadeio0 fadeio2 fadeout fadeout0 "
    "fadeout2 fixbrokenchromaupsampling fixluminance fliphorizontal flipvertical frameevaluate "
    "freezeframe gaussresize generalconvolution getchannel getchannels getleftchannel getrightchannel "
    "greyscale histogram horizontalreduceby2 imagereader imagesource imagewriter info interleave "
    "invert killaudio killvideo lanczos4resize lanczosresize layer letterbox levels limiter loop mask "
    "maskhs max merge mergeargb mergechannels mergechroma mergeluma mergergb messageclip min mixaudio "
    "monotostereo normalize null opendmlsource overlay peculiarblend pointresize pulldown reduceby2 "
    "resampleaudio resetmask reverse rgbadjust scriptclip segmentedavisource "
    "segmenteddirectshowsource selectevery selecteven selectodd selectrangeevery separatefields "
    "setmemorymax sharpen showalpha showblue showfiveversions showframenumber showgreen showred "
    "showsmpte showtime sincresize skewrows spatialsoften spline16resize spline36resize "
    "spline64resize ssrc stackhorizontal stackvertical subtitle subtract supereq swapfields swapuv "
    "temporalsoften timestretch tone trim turn180 turnleft turnright tweak unalignedsplice "
    "verticalreduceby2 version wavsource weave writefile writefileend writefileif writefilestart "
    "ylevels ylevelsg ylevelss zoom";

const char kAvs2[] =
    "abs apply assert bool ceil chr clip continueddenominator continuednumerator cos default defined "
    "eval averageluma averagechromau averagechromav exist exp findstr float floor frac hexvalue "
    "import int isbool isclip isfloat isint isstring lcase leftstr load_stdcall_plugin loadcplugin "
    "loadplugin loadvfapiplugin loadvirtualdubplugin log midstr muldiv nop opt_allowfloataudio "
    "opt_avipadscanlines opt_dwchannelmask opt_usewaveextensible opt_vdubplanarhack pi pow rand "
    "revstr rightstr round scriptdir scriptfile scriptname select setmemorymax "
    "setplanarlegacyalignment setworkingdir sign sin spline sqrt string strlen time ucase undefined "
    "value versionnumber versionstring uplanelmax uplanelmin uplanemax uplanemedian uplanemin "
    "uplaneminmaxdifference vplanemax vplanemedian vplanemin vplaneminmaxdifference "
    "ydifferencefromprevious ydifferencetonext yplanemax yplanemedian yplanemin "
    "yplaneminmaxdifference udifferencefromprevious udifferencetonext vdifferencefromprevious "
    "vdifferencetonext rgbdifference rgbdifferencefromprevious rgbdifferencetonext bitand bitlshift "
    "bitnot bitor bitrshift bitxor bitlrotate bitrrotate bitset bitclear bitchange bittest "
    "chromaudifference chromavdifference colorspacenameofplanar componentsize cosh fmod "
    "frameratenumerator func getprocessinfo getvar hasalpha isversionorgreater isy isyuva isplanarrgb "
    "isplanarrgba isrgb48 isrgb64 isyv411 lumadifference max min numcomponents pixeltype propdelete "
    "propget propgetany propgetarray propgetasarray propgetdatasize propgetfloat propgetint "
    "propgetkeybyindex propgetstring propgettype propnumelements propnumkeys propset propsetarray "
    "propsetfloat propsetint propsetstring replacestr scriptdirutf8 scriptfileutf8 scriptnameutf8 "
    "setcachemode setfiltermtmode setlogparams sinh strcmp strcmpi strfromutf8 strtoutf8 tan tanh "
    "trimall trimleft trimright typename array arrayadd arraydel arrayins arrayset isarray isfunction";

const char kAvs3[] =
    "addgrain addgrainc agc_hdragc analyzelogo animeivtc asharp audiograph autocrop autoyuy2 "
    "avsrecursion awarpsharp bassaudiosource bicublinresize bifrost binarize blendfields blindpp "
    "blockbuster bordercontrol cfielddiff cframediff chromashift cnr2 colormatrix combmask contra "
    "convolution3d convolution3dyv12 dctfilter ddcc deblendlogo deblock deblock_qed decimate decomb "
    "dedup deen deflate degrainmedian depan depanestimate depaninterleave depanscenes depanstabilize "
    "descratch despot dfttest dgbob dgdecode_mpeg2source dgsource directshowsource distancefunction "
    "dss2 dup dupmc edeen edgemask eedi2 eedi3 eedi3_rpow2 expand faerydust fastbicubicresize "
    "fastbilinearresize fastediupsizer fdecimate fielddeinterlace fielddiff fft3dfilter fft3dgpu "
    "ffvideosource fity2uv fity2u fity2v fitu2y fitv2y fluxsmooth fluxsmoothst fluxsmootht framediff "
    "framenumber frfun3b frfun7 gicocu golddust gradfun2db grapesmoother greedyhma grid guavacomb "
    "hqdn3d hybridfupp hysteresymask ibob improvesceneswitch inflate inpand inpaintlogo interframe "
    "interlacedresize interlacedwarpedresize interleaved2planar iscombed iscombedt iscombedtivtc "
    "kerneldeint leakkernelbob leakkerneldeint limitedsharpen limitedsharpenfaster logic lsfmod "
    "lumafilter lumayv12 manalyse";

const char kAvs4[] =
    "audiobits audiochannels audiolength audiolengthf audiorate framecount framerate "
    "frameratenumerator frameratedenominator getparity hasaudio hasvideo height isaudiofloat "
    "isaudioint isfieldbased isframebased isinterleaved isplanar isrgb isrgb24 isrgb32 isyuv isyuy2 "
    "isyv12 width";

const char kBlitz0[] =
    "abs accepttcpstream acos after and apptitle asc asin atan atan2 automidhandle autosuspend "
    "availvidmem backbuffer banksize before bin calldll case ceil changedir channelpan channelpitch "
    "channelplaying channelvolume chr closedir closefile closemovie closetcpserver closetcpstream "
    "closeudpstream cls clscolor color colorblue colorgreen colorred commandline const copybank "
    "copyfile copyimage copypixel copypixelfast copyrect copystream cos countgfxdrivers countgfxmodes "
    "counthostips createbank createdir createimage createnetplayer createprocess createtcpserver "
    "createtimer createudpstream currentdate currentdir currenttime data debuglog default delay "
    "delete deletedir deletefile deletenetplayer desktopbuffer dim dottedip drawblock drawblockrect "
    "drawimage drawimagerect drawmovie each else elseif end endgraphics endif eof execfile exit exp "
    "false field filepos filesize filetype first flip float floor flushjoy flushkeys flushmouse "
    "fontheight fontname fontsize fontstyle fontwidth for forever freebank freefont freeimage "
    "freesound freetimer frontbuffer function gammablue gammagreen gammared getcolor getenv getkey "
    "getmouse gfxdrivername gfxmode3d gfxmodedepth gfxmodeexists gfxmodeheight gfxmodewidth global "
    "gosub goto grabimage graphics graphicsbuffer graphicsdepth graphicsheight graphicswidth "
    "handleimage hex hidepointer hostip hostnetgame if imagebuffer imageheight imagerectcollide "
    "imagerectoverlap imagescollide imagesoverlap imagewidth imagexhandle imageyhandle include input "
    "insert instr int joyhat joyhit joypitch joyroll joytype joyu joyv joyx joyy joyyaw joyz joydown "
    "joyudir joyvdir joyxdir joyydir joyzdir keydown keyhit keywait last left len line loadanimimage "
    "loadbuffer loadfont loadimage loadsound local lockbuffer lockedformat lockedpitch lockedpixels "
    "log log10 loopsound lower lset maskimage mid midhandle millisecs mod morefiles mousedown "
    "mousehit mousex mousexspeed mousey mouseyspeed mousez mousezspeed movemouse moviedata "
    "movieheight movieplaying moviewidth netmsgdata netmsgfrom netmsgto netmsgtype netplayerlocal "
    "netplayername new next nextfile not null openfile openmovie opentcpstream or origin oval "
    "pausechannel peekbyte peekfloat peekint peekshort pi playcdtrack playmusic playsound plot "
    "pokebyte pokefloat pokeint pokeshort print queryobject rand read readavail readbyte readbytes "
    "readdir readfile readfloat readint readline readpixel readpixelfast readshort readstring rect "
    "rectsoverlap recvnetmsg recvudpmsg repeat replace resettimer resizebank resizeimage restore "
    "resumechannel return right rnd rndseed rotateimage rset runtimeerror sar savebuffer saveimage "
    "scaleimage scanline seedrnd seekfile select sendnetmsg sendudpmsg setbuffer setenv setfont "
    "setgamma setgfxdriver sgn shl showpointer shr sin soundpan soundpitch soundvolume sqr "
    "startnetgame step stop stopchannel stopnetgame str string stringheight stringwidth "
    "systemproperty tan tcpstreamip tcpstreamport tcptimeouts text tformfilter tformimage then "
    "tileblock tileimage timerticks to totalvidmem trim true type udpmsgip udpmsgport udpstreamip "
    "udpstreamport udptimeouts unlockbuffer until updategamma upper viewport vwait waitkey waitmouse "
    "waittimer wend while write writebyte writebytes writefile writefloat writeint writeline "
    "writepixel writepixelfast writeshort writestring xor";

const char kPureBasic0[] =
    "and break case continue data datasection declare declarecdll declaredll default define dim else "
    "elseif end enddatasection endenumeration endif endimport endinterface endmacro endprocedure "
    "endselect endstructure endstructureunion endwith enumeration extends fakereturn for foreach "
    "forever global gosub goto if import importc includebinary includefile includepath interface "
    "macro newlist next not or procedure procedurecdll proceduredll procedurereturn protected "
    "prototype prototypec read redim repeat restore return select shared static step structure "
    "structureunion swap to until wend while with xincludefile xor";

const char kPureBasic1[] =
    "compilercase compilerdefault compilerelse compilerendif compilerendselect compilerif "
    "compilerselect";

const char kFreeBasic0[] =
    "abs access acos alias allocate and andalso any append as asc asin asm assert assertwarn atan2 "
    "atn base beep bin binary bit bitreset bitset bload bsave byref byte byval call callocate case "
    "cast cbyte cdbl cdecl chain chdir chr cint circle class clear clng clngint close cls color "
    "command common condbroadcast condcreate conddestroy condsignal condwait const constructor "
    "continue cos cptr cshort csign csng csrlin cubyte cuint culng culngint cunsg curdir cushort "
    "custom cvd cvi cvl cvlongint cvs cvshort data date dateadd datediff datepart dateserial "
    "datevalue day deallocate declare defbyte defdbl defined defint deflng deflongint defshort defsng "
    "defstr defubyte defuint defulongint defushort delete destructor dim dir do double draw dylibfree "
    "dylibload dylibsymbol else elseif encoding end enum environ eof eqv erase erfn erl ermn err "
    "error exec exepath exit exp export extends extern false field fileattr filecopy filedatetime "
    "fileexists filelen fix flip for format frac fre freefile function get getjoystick getkey "
    "getmouse gosub goto hex hibyte hiword hour if iif imageconvertrow imagecreate imagedestroy "
    "imageinfo imp implements import inkey inp input instr instrrev int integer is isdate kill lbound "
    "lcase left len let lib line lobyte loc local locate lock lof log long longint loop loword lpos "
    "lprint lset ltrim mid minute mkd mkdir mki mkl mklongint mks mkshort mod month monthname "
    "multikey mutexcreate mutexdestroy mutexlock mutexunlock namespace new next not now oct offsetof "
    "on once open operator option or orelse out output overload paint palette pascal pcopy peek pmap "
    "point pointer poke pos preserve preset print private procptr property protected pset ptr public "
    "put random randomize read reallocate redim rem reset restore resume return rgb rgba right rmdir "
    "rnd rset rtrim run sadd scope screen screencopy screencontrol screenevent screeninfo "
    "screenglproc screenlist screenlock screenptr screenres screenset screensync screenunlock second "
    "seek select setdate setenviron setmouse settime sgn shared shell shl short shr sin single sizeof "
    "sleep space spc sqr static stdcall step stop str string strptr sub swap system tab tan then this "
    "threadcreate threadwait time timer timeserial timevalue to trans trim true type typeof ubound "
    "ubyte ucase uinteger ulong ulongint union unlock unsigned until ushort using va_arg va_first "
    "va_next val vallng valint valuint valulng var varptr view virtual wait wbin wchr weekday "
    "weekdayname wend while whex width window windowtitle winput with woct write wspace wstr wstring "
    "xor year zstring";

const char kFreeBasic1[] =
    "#define #dynamic #else #elseif #endif #endmacro #error #if #ifdef #ifndef #inclib #include #lang "
    "#libpath #line #macro #pragma #print #static #undef";

const char kCsound0[] =
    "a abs active adsr adsyn adsynt aftouch allpole alpass alwayson ampdb ampdbfs ampmidi ampmidid "
    "areson aresonk atone atonek atonex autocorr babo balance bamboo barmodel bbcutm bbcuts betarand "
    "bexprnd binit biquad biquada birnd bob bpf bpfcos bqrez butbp butbr buthp butlp butterbp "
    "butterbr butterhp butterlp button buzz cabasa cauchy cauchyi cbrt ceil cell cent centroid ceps "
    "cepsinv cggoto chanctrl changed chani chano checkbox chnclear chnget chngeta chngeti chngetk "
    "chngetks chngets chnmix chnset chnseta chnseti chnsetk chnsetks chnsets cigoto cingoto ckgoto "
    "clear clfilt clip clockoff clockon cmp cngoto cnkgoto comb combinv compress connect control "
    "convle convolve cos cosh cosinv cosseg cossegb cossegr count cpsmidi cpsmidib cpsoct cpspch "
    "cpstmid cpstun cpstuni cpsxpch cpumeter cpuprc crossfm crossfmi crosspm crosspmi crunch ctlchn "
    "ctrlinit ctrlsave cuserrnd dam date dates db dbamp dbfsamp dcblock dconv dct dctinv delay delayk "
    "delayr delayw deltap deltapi deltapn deltapx deltapxw denorm diff diskin dispfft display distort "
    "divz doppler dot downsamp dssictls dssiinit dssilist dumpk duserrnd dust endin endop envlpx "
    "envlpxr ephasor eqfil evalstr event exciter exitnow exp expcurve expon exprand exprandi expseg "
    "expsega expsegb expsegba expsegr fareylen fft fftinv ficlose filebit filelen filepeak filescal "
    "filesr fin fini fink fiopen flanger flashtxt flooper floor fmanal fmax fmbell fmin fmmetal fmod "
    "fmpercfl fmrhode fmvoice fmwurlie fof fofilter fog fold follow foscil foscili fout fouti foutir "
    "foutk fprintks fprints frac freeverb ftaudio ftchnls ftconv ftcps ftexists ftfree ftgen ftgentmp "
    "ftlen ftload ftloadk ftlptim ftmorf ftom ftprint ftresize ftsave ftsavek ftset ftslice ftslicei "
    "ftsr gain gauss gaussi gbuzz genarray gendy gendyc gendyx getcfg getcol getrow getseed gogobel "
    "goto grain granule gtadsr gtf guiro harmon hilbert hrtfmove hrtfstat hsboscil hypot i igoto "
    "ihold in inch inh init inleta inletf inletk inletkid inletv ino inq inrg ins insremot instr int "
    "integ interp invalue inx inz jitter joystick jspline k kgoto lag lagud lenarray lfo lfsr limit "
    "lincos line linen linenr lineto linlin linrand linseg linsegb linsegr liveconv locsend locsig "
    "log logbtwo logcurve loopseg loopsegp looptseg loopxseg lorenz loscil loscilx lowres lowresx "
    "lpcanal lpform lpfreson lphasor lpinterp lposcil lposcila lpread lpreson lpshold lpsholdp lpslot "
    "lufs mac maca madsr mags mandel mandol maparray marimba massign max maxabs maxaccum maxalloc "
    "maxarray mclock mdelay median mediank metro metrobpm mfb midiarp midichn midictrl midiin midion "
    "midiout midipgm midremot min minabs minaccum minarray mincer mirror mode monitor moog moogvcf "
    "moscil mpulse mrtmsg mtof mton multitap mute mvchpf mxadsr nestedap nlalp nlfilt noise noteoff "
    "noteon notnum nreverb nrpn nsamp nstance nstrnum nstrstr ntof ntom ntrpol octave octcps octmidi "
    "octmidib octpch opcode oscbnk oscil oscili oscilikt osciln oscils oscilx out outall outc outch "
    "outh outiat outic outipat outipb outipc outkat outkc outkpat outkpb outkpc outleta outletf "
    "outletk outletv outo outq outrg outs outvalue outx outz p pan pareq partials passign pcauchy "
    "pchbend pchmidi pchmidib pchoct pchtom pcount pdclip pdhalf pdhalfy peak pgmchn phasor phs "
    "pindex pinker pinkish pitch pitchac planet platerev plltrack pluck poisson polyaft port portk "
    "poscil pow powoftwo pows prealloc prepiano print printf printk printks println prints printsk "
    "product pset ptablew ptrack puts pvadd pvcross pvinterp pvoc pvread pwd qinf qnan rand randc "
    "randh randi random randomh randomi rbjeq readf readfi readk readks reinit release remove repluck "
    "reson resonbnk resonk resonr resonx resonxk resony resonz resyn return reverb reverbsc rezzy "
    "rfft rifft rigoto rireturn rms rnd rndseed round rspline rtclock samphold scale schedule seed "
    "sekere select semitone sense sensekey seqtime sequ setcol setctrl setksmps setrow sfilist "
    "sfinstr sfinstrm sfload sflooper sfplay sfplaym sfplist sfpreset shaker shiftin shiftout signum "
    "sin sinh sininv sinsyn skf sndloop sndwarp sockrecv socksend sorta sortd soundin space spdist "
    "spf splitrig sprintf sprintfk spsend sqrt statevar sterrain stix strcat strcatk strchar strchark "
    "strcmp strcmpk strcpy strcpyk strecv streson strget strindex strlen strlenk strlower strset "
    "strstrip strsub strsubk strtod strtodk strtol strtolk strupper stsend subinstr sum sumarray "
    "svfilter svn syncloop system systime tab tabifd table tablegpw tablei tableikt tablekt tablemix "
    "tableng tablera tableseg tablew tablewa tablewkt tablexkt tabmorph tabplay tabrec tabsum tabw "
    "tan tanh taninv tbvcf tempest tempo tempoval tigoto timedseq timek times timout tival tlineto "
    "tone tonek tonex tradsyn trandom transeg transegb transegr trcross trfilter trigger trighold "
    "trigseq trim trirand trlowest trmix trscale trshift trsplit turnoff turnon tvconv unirand unwrap "
    "upsamp urandom urd vactrol vadd vaddv vaget valpass vaset vcella vclpf vco vcomb vcopy vdelay "
    "vdelayk vdelayx vdelayxq vdelayxs vdelayxw vdivv vecdelay veloc vexp vexpseg vexpv vibes vibr "
    "vibrato vincr vlimit vlinseg vlowres vmap vmirror vmult vmultv voice vosim vport vpow vpowv vps "
    "vpvoc vrandh vrandi vsubv vtaba vtabi vtabk vtablea vtablei vtablek vtablewa vtablewi vtablewk "
    "vtabwa vtabwi vtabwk vwrap waveset weibull wgbow wgbrass wgclar wgflute wgpluck window wrap "
    "wterrain xadsr xin xout xtratim xyscale zacl zakinit zamod zar zarg zaw zawm zir ziw ziwm zkcl "
    "zkmod zkr zkw zkwm";

const char kCsound1[] =
    "sr kr ksmps nchnls 0dbfs";

const char kErlang0[] =
    "after and andalso band begin bnot bor bsl bsr bxor case catch cond div end fun if let maybe not "
    "of or orelse receive rem try when xor";

const char kErlang1[] =
    "abs alive apply atom_to_binary atom_to_list binary_part binary_to_atom binary_to_existing_atom "
    "binary_to_float binary_to_integer binary_to_list binary_to_term bit_size bitstring_to_list "
    "byte_size ceil check_old_code check_process_code date delete_module demonitor disconnect_node "
    "element erase error exit float float_to_binary float_to_list floor garbage_collect get get_keys "
    "group_leader halt hd integer_to_binary integer_to_list iolist_size iolist_to_binary is_alive "
    "is_atom is_binary is_bitstring is_boolean is_float is_function is_integer is_list is_map "
    "is_map_key is_number is_pid is_port is_process_alive is_record is_reference is_tuple length link "
    "list_to_atom list_to_binary list_to_bitstring list_to_existing_atom list_to_float "
    "list_to_integer list_to_pid list_to_tuple load_module make_ref map_get map_size max min "
    "module_loaded monitor monitor_node node nodes now open_port pid_to_list port_close port_command "
    "port_connect port_control pre_loaded process_flag process_info processes purge_module put "
    "register registered round self setelement size spawn spawn_link spawn_monitor spawn_opt "
    "split_binary statistics term_to_binary throw time tl trunc tuple_size tuple_to_list unlink "
    "unregister whereis append_element bump_reductions cancel_timer decode_packet delete_element "
    "display external_size fun_info fun_to_list function_exported get_cookie hibernate insert_element "
    "iolist_to_iovec is_builtin localtime localtime_to_universaltime make_tuple monotonic_time "
    "nif_error phash2 port_info port_to_list ports process_display read_timer ref_to_list "
    "resume_process send send_after send_nosuspend set_cookie start_timer suspend_process system_flag "
    "system_info system_monitor system_time timestamp trace trace_pattern unique_integer "
    "universaltime universaltime_to_localtime yield";

const char kErlang2[] =
    "-behaviour -behavior -callback -compile -define -else -endif -export -export_type -file -ifdef "
    "-ifndef -import -include -include_lib -module -opaque -record -spec -type -undef -vsn -author "
    "-on_load";

const char kErlang3[] =
    "?MODULE ?MODULE_STRING ?FILE ?LINE ?MACHINE ?FUNCTION_NAME ?FUNCTION_ARITY ?OTP_RELEASE";

const char kErlang4[] =
    "@author @clear @copyright @deprecated @doc @docfile @end @equiv @headerfile @hidden @private "
    "@reference @see @since @spec @throws @title @todo @type @version @param";

const char kErlang5[] =
    "date docRoot link module package section time type user";

const char kEscript0[] =
    "basic basicio boats cfgfile file http npc os uo util accessible addmenuitem appendconfigfileelem "
    "applyconstraint applydamage applyrawdamage assignrecttoweatherregion append baseskilltorawskill "
    "boatfromitem broadcast ban cdbl cint cstr checklineofsight checklosat checkskill consumemana "
    "consumereagents consumesubstance createaccount createitematlocation createiteminbackpack "
    "createitemininventory createitemincontainer createmenu createmultiatlocation "
    "createnpcfromtemplate createrootiteminstoragearea createstoragearea "
    "clear_script_profile_counters close damage destroyitem destroymulti destroyrootiteminstoragearea "
    "detach disableevents disconnectclient distance disable enableevents enumerateitemsincontainer "
    "enumerateonlinecharacters equipfromtemplate equipitem eraseglobalproperty eraseobjproperty "
    "enable enabled erase events_waiting exists findconfigelem findobjtypeincontainer "
    "findrootiteminstoragearea findstoragearea fclose find fopen fread fseek ftell fwrite gamestat "
    "getamount getcommandhelp getconfigint getconfigintkeys getconfigmaxintkey getconfigreal "
    "getconfigstring getconfigstringkeys getconfigstringarray getelemproperty getequipmentbylayer "
    "getglobalproperty getharvestdifficulty getmapinfo getmenuobjtypes getobjproperty getobjtype "
    "getobjtypebyname getproperty getrawskill getregionstring getskill getspelldifficulty "
    "getstandingheight getworldheight grantprivilege harvestresource healdamage hex islegalmove "
    "insert keys listequippeditems listghostsnearlocation listhostiles listitemsatlocation "
    "listitemsnearlocation listitemsnearlocationoftype listmobilesinlineofsight "
    "listmobilesnearlocation listmobilesnearlocationex listobjectsinbox loadtusscpfile left len "
    "log_profile lower makeboundingbox move moveboat moveboatrelative movecharactertolocation "
    "moveitemtocontainer moveitemtolocation move_offline_mobiles openpaperdoll open pack "
    "performaction playlightninboltEffect playmovingeffect playmovingeffectxyz "
    "playobjectcenteredeffect playsoundeffect playsoundeffectprivate playstationaryeffect "
    "printtextabove printtextaboveprivate packages polcore position print queryparam randomdiceroll "
    "randomint rawskilltobaseskill readconfigfile readgameclock releaseitem registerforspeechevents "
    "registeritemwithboat requestinput reserveitem restartscript resurrect revokeprivilege "
    "runawayfrom runawayfromlocation runtoward runtowardlocation reverse run_script_to_completion "
    "saveworldstate selectmenuitem2 self sendbuywindow senddialoggump sendevent sendinstaresource "
    "sendopenspecialcontainer sendpacket sendsellwindow sendskillwindow sendstringastipwindow "
    "sendsysmessage sendtextentrygump setanchor setglobalproperty setname setobjproperty setopponent "
    "setproperty setrawskill setregionlightlevel setregionweatherlevel setscriptcontroller setwarmode "
    "shutdown sleep sleepms sendtraderequest sendwebapplication sendchangeweather stopexcessivelog "
    "sort systemfindobjectbyserial target targetcoordinates targetmultiplacement turnawayfrom "
    "turnawayfromlocation turnboat turntoward turntowardlocation toggle unloadconfigfile unpack unban "
    "unload_scripts upper walkawayfrom walkawayfromlocation walktoward walktowardlocation wander "
    "writehtml writehtmlraw wait_for_event movechar_forcelocation moveitem_forcelocation "
    "moveitem_normal scriptopt_debug scriptopt_no_interrupt scriptopt_no_runaway te_cancel_disable "
    "te_cancel_enable te_style_disable te_style_normal te_style_numerical tgtopt_check_los "
    "tgtopt_harmful tgtopt_helpful tgtopt_neutral tgtopt_nocheck_los setprop getprop";

const char kEscript1[] =
    "array const dictionary global local var and default in next not or return to include use enum";

const char kEscript2[] =
    "while for endfor function program endprogram endfunction foreach case else if endcase endif "
    "endforeach endwhile";

const char kMmixal0[] =
    "2ADDU 4ADDU 8ADDU 16ADDU ADD ADDU AND ANDNH ANDNL ANDNMH ANDNML BDIF BEV BN BNN BNP BNZ BOD BP "
    "BSPEC BYTE BZ CMP CMPU CSEV CSN CSNN CSNP CSNZ CSOD CSP CSWAP CSZ DIV DIVU ESPEC EXPR FADD FCMP "
    "FCMPE FDIV FEQL FEQLE FIX FIXU FLOT FLOTU FMUL FREM FSQRT FSUB FUN FUNE GET GETA GO GREG I_BIT "
    "INCH INCL INCMH INCML IS JMP LDA LDB LDBU LDHT LDO LDOU LDSF LDT LDTU LDUNC LDVTS LDW LDWU LOC "
    "LOCAL MOR MUL MULU MUX MXOR NAND NEG NEGU NOR NXOR O_BIT OCTA ODIF OR ORH ORL ORMH ORML ORN PBEV "
    "PBN PBNN PBNP PBNZ PBOD PBP PBZ POP PREFIX PREGO PRELD PREST PUSHGO PUSHJ PUT RESUME SAVE SET "
    "SETH SETL SETMH SETML SFLOT SFLOTU SL SLU SR SRU STB STBU STCO STHT STO STOU STSF STT STTU STUNC "
    "STW STWU SUB SUBU SWYM SYNC SYNCD TDIF TETRA TRAP TRIP UNSAVE WDIF WYDE XOR ZSEV ZSN ZSNN ZSNP "
    "ZSNZ ZSOD ZSP ZSZ";

const char kMmixal1[] =
    "rA rB rC rD rE rF rG rH rI rJ rK rL rM rN rO rP rQ rR rS rT rU rV rW rX rY rZ rBB rTT rWW rXX "
    "rYY rZZ";

const char kMmixal2[] =
    "@ Text_Segment Data_Segment Pool_Segment Stack_Segment StdErr StdIn StdOut Fopen Fclose Fread "
    "Fwrite Fgets Fputs Fgetws Fputws Ftell Fseek TextRead TextWrite BinaryRead BinaryWrite "
    "BinaryReadWrite Halt";

const char kNim0[] =
    "addr and as asm bind block break case cast concept const continue converter defer discard "
    "distinct div do elif else end enum except export finally for from func if import in include "
    "interface is isnot iterator let macro method mixin mod nil not notin object of or out proc ptr "
    "raise ref return shl shr static template try tuple type using var when while xor yield";

const char kNncrontab0[] =
    "AGAIN ALLOT AND Action BEGIN CASE COMPARE CONSTANT CREATE DO Days ELSE ENDCASE ENDOF EVAL-SUBST "
    "EVALUATE FALSE Hours I IF LEAVE LOOP Minutes Months NOT OF OFF ON OR PAD REPEAT Rule SET THEN "
    "TRUE Time UNTIL VALUE VARIABLE WHILE WeekDays Years";

const char kNncrontab1[] =
    "</JScript> </SCRIPT> </VBScript> <JScript> <VBScript> ACCESS-DATE BEEP CALL_DIAL CALL_HANGUP "
    "CHAR CLIPBOARD CONSOLE CREATION-DATE CUR-DATE DATE- DATE-INTERVAL DELAY DIAL DIR-CREATE "
    "DIR-DELETE DIR-EMPTY DIR-SIZE Day@ Domain ERR-MSG EXIST FILE-ACCESS-DATE FILE-APPEND FILE-COPY "
    "FILE-CREATE FILE-CREATION-DATE FILE-CROP FILE-DATE FILE-DELETE FILE-EMPTY FILE-EXIST FILE-MOVE "
    "FILE-RENAME FILE-SIZE FILE-WRITE FILE-WRITE-DATE FOR-CHILD-WINDOWS FOR-FILES FOR-WINDOWS "
    "FREE-SPACE GET-CUR-TIME GET-REG GET-VER GetTickCount HANGUP HIDE-ICON HINT HINT-OFF HINT-POS "
    "HINT-SIZE HINTW HOST-EXIST Hour@ IDLE INTERVAL IS-ARCHIVE IS-DIR IS-HIDDEN IS-READONLY IS-SYSTEM "
    "KILL LAUNCH LOAD-LIB LOGGEDON LOGON LogonBatch LogonInteractive LogonService MESSAGEBOX "
    "MOUSE-LBCLK MOUSE-LBDCLK MOUSE-LBDN MOUSE-LBUP MOUSE-MOVE MOUSE-MOVER MOUSE-MOVEW MOUSE-RBCLK "
    "MOUSE-RBDCLK MOUSE-RBDN MOUSE-RBUP MSG Min@ Mon@ MonitorResponseTime NHOST-EXIST No ONLINE PAUSE "
    "PLAY-SOUND PLAY-SOUNDW POP3-CHECK POWEROFF PROC-EXIST PROC-TIME PURGE-OLD PURGE-OLDA PURGE-OLDW "
    "Password QSTART-APP QSTART-APPW QUERY QUIT RASDomain RASError RASPassword RASPhone "
    "RASSecPassword RASUser RE-ALL RE-MATCH REBOOT REG-DELETE-KEY REG-DELETE-VALUE REG-DWORD REG-SZ "
    "REMINDER RUN SEND-KEYS SEND-KEYS-DELAY SHOW-ICON SHUTDOWN START-APP START-APPW START-QUIT "
    "START-TIME Sec@ SWITCH-TO SYSTEM WIN-ACTIVATE WIN-ACTIVE WIN-CLICK WIN-CLOSE WIN-EXIST WIN-HIDE "
    "WIN-HWND WIN-MAXIMIZE WIN-MINIMIZE WIN-MOVE WIN-MOVER WIN-RESTORE WIN-SHOW WIN-SHOWNORMAL "
    "WIN-TERMINATE WIN-TOPMOST WIN-VER WIN-WAIT WINAPI WRITE-DATE WatchClipboard WatchConnect "
    "WatchDir WatchDisconnect WatchDriveInsert WatchDriveRemove WatchFile WatchProc WatchProcStop "
    "WatchWinActivate WatchWinCreate WatchWinDestroy WatchWindow WinNT Year@ Yes";

const char kNncrontab2[] =
    "ALL AboveNormalPriority AsService BelowNormalPriority FILESONLY HighPriority IdlePriority "
    "LoadProfile NoActive NoDel NoLog NoRunAs NormalPriority OnceADay OnceAHour OnceAMonth OnceAWeek "
    "RECURSIVE RealtimePriority RunOnce SWHide ShowMaximized ShowMinimized ShowNoActivate ShowNormal "
    "StartIn StartPos StartSize TODEPTH WATCH-CHANGE-ATTRIBUTES WATCH-CHANGE-DIR-NAME "
    "WATCH-CHANGE-FILE-NAME WATCH-CHANGE-LAST-WRITE WATCH-CHANGE-SECURITY WATCH-CHANGE-SIZE WaitFor "
    "WatchSubtree";

const char kOScript0[] =
    "break breakif by case continue continueif default downto else elseif end for function goto if in "
    "repeat return switch then to until while";

const char kOScript1[] =
    "and eq ge gt le lt ne not or xor false true undefined";

const char kOScript2[] =
    "assoc boolean bytes date dynamic integer list long object real record string void";

const char kOScript3[] =
    "#define #else #endif #ifdef #ifndef #undef assoc.copy assoc.isKey assoc.items assoc.keys "
    "assoc.undefinedValue date.date date.now date.tick datetoString echo echoDebug echoError echoInfo "
    "echoWarn error.define error.get error.message file.close file.copy file.delete file.exists "
    "file.open file.read file.write isDefined isError isFeature isInvokable isNoteSet isObject isSet "
    "isUndefined length list.allocate list.setAdd list.setRemove list.sort math.abs math.max math.min "
    "math.random pattern.compile pattern.find regex str.ascii str.capitalize str.catenate str.chr "
    "str.collapse str.csv str.elide str.format str.from str.hex str.join str.locate str.lower "
    "str.quote str.replace str.set str.string str.strip str.tab str.trim str.upper str.valueToString "
    "type";

const char kOScript4[] =
    "$ObjectName $Kernel $LLIApi $WebNode $WebDsp $WebLingo $Replicator $DAPI $CAPI $WAPI $OTDOC "
    "Assert Bytes CAPI Date DAPI Error File FilePrefs FileUtils Frame List Math Pattern RegEx Socket "
    "String System";

const char kOScript5[] =
    "#define #else #endif #ifdef #ifndef #undef OS.AddFeature OS.Bytes OS.Delete OS.Equal OS.Features "
    "OS.IsFeature OS.IsObject OS.IsRoot OS.Name OS.NewTemp OS.NewTempAdd OS.Parent OS.RemoveFeature "
    "OS.SetName OS.SetParent OS.Sort DEVELOPMENT IF_DEBUG PARENT SELF SUPER ORIGIN fEnabled fName "
    "fTimeStamp New Init Execute Run SubclassExecute ExecuteHandler Dump DumpValue MakeVersion OSName "
    "ObjRef ObjectID OSInternal Trace Start Stop";

const char kRebol0[] =
    "about abs absolute add alert alias all alter and any any-block? any-function? any-string? "
    "any-type? any-word? append arccosine arcsine arctangent array as-pair ask at attempt back "
    "binary? bind bitset? block? break browse build-tag call caret-to-offset catch center-face change "
    "change-dir char? charset checksum choose clean-path clear clear-fields close comment complement "
    "compose compress confirm connected? construct context copy cosine cp crypt-strength? cvs-date "
    "cvs-version datatype? date? debase decimal? decode-cgi decompress default dehex delete detab "
    "difference dir? dirize disarm dispatch divide do do-events does dump-face dump-obj echo either "
    "else email? empty? enbase entab equal? error? even? event? exclude exists? exit exp extract "
    "fifth file? find first flash focus for forall foreach forever form forskip found? fourth free "
    "func function function? get get-modes get-word? greater-or-equal? greater? halt has hash? head "
    "head? help hide hide-popup if image? import-email in in-window? index? info? inform input input? "
    "insert integer? intersect issue? join last launch layout length? lesser-or-equal? lesser? "
    "library? license link? list-dir list? lit-path? lit-word? load load-image log-10 log-2 log-e "
    "logic? loop lowercase make make-dir make-face max maximum maximum-of min minimum minimum-of "
    "modified? mold money? multiply native? negate negative? next none? not not-equal? now number? "
    "object? odd? offset-to-caret offset? op? open or pair? paren? parse parse-xml path? pick poke "
    "port? positive? power prin print probe protect protect-system query quit random read read-io "
    "recycle reduce refinement? reform rejoin remainder remold remove remove-each rename repeat "
    "repend replace request request-color request-date request-download request-file request-list "
    "request-pass request-text resend return reverse routine? same? save script? second secure select "
    "send series? set set-modes set-net set-path? set-word? show show-popup sign? sine size-text "
    "size? skip sort source span? split-path square-root strict-equal? strict-not-equal? string? "
    "struct? stylize subtract suffix? switch tag? tail tail? tangent third throw time? to to-binary "
    "to-bitset to-block to-char to-date to-decimal to-email to-file to-get-word to-hash to-hex "
    "to-idate to-image to-integer to-issue to-list to-lit-path to-lit-word to-local-file to-logic "
    "to-money to-pair to-paren to-path to-rebol-file to-refinement to-set-path to-set-word to-string "
    "to-tag to-time to-tuple to-url to-word trace trim try tuple? type? unfocus union unique "
    "unprotect unset unset? until unview update upgrade uppercase url? usage use value? view viewed? "
    "wait what what-dir while within? word? write write-io xor zero?";

const char kRebol1[] =
    "action? any-block? any-function? any-string? any-type? any-word? binary? bitset? block? char? "
    "datatype? date? decimal? email? empty? equal? error? even? event? file? function? get-word? "
    "greater-or-equal? greater? hash? head? image? index? integer? issue? length? lesser-or-equal? "
    "lesser? library? list? lit-path? lit-word? logic? money? native? negative? none? not-equal? "
    "number? object? odd? op? pair? paren? path? port? positive? refinement? routine? same? series? "
    "set-path? set-word? strict-equal? strict-not-equal? string? struct? tag? tail? time? tuple? "
    "unset? url? word? zero? connected? dir? exists? found? info? input? modified? script? size? "
    "span? suffix? type? value? viewed? within? crypt-strength?";

const char kRebol2[] =
    "action! any-block! any-function! any-string! any-type! any-word! binary! bitset! block! char! "
    "datatype! date! decimal! email! error! event! file! function! get-word! hash! image! integer! "
    "issue! library! list! lit-path! lit-word! logic! money! native! none! number! object! op! pair! "
    "paren! path! port! refinement! routine! series! set-path! set-word! string! struct! symbol! tag! "
    "time! tuple! unset! url! word!";

const char kRust0[] =
    "as async await break const continue crate dyn else enum extern false fn for if impl in let loop "
    "match mod move mut pub ref return self Self static struct super trait true type union unsafe use "
    "where while abstract become box do final macro override priv try typeof unsized virtual yield "
    "macro_rules";

const char kRust1[] =
    "bool char f32 f64 i8 i16 i32 i64 i128 isize str u8 u16 u32 u64 u128 usize";

const char kRust2[] =
    "Self";

const char kSpice0[] =
    "ac alias alter alterparam append askvalues assertvalue autoscale break compose copy copytodoc dc "
    "delete destroy destroyvec diff display disto dowhile echo else end errorstop fftinit filter "
    "foreach fourier freqtotime function functionundef goto homecursors if isdisplayed label let "
    "linearize listing load loadaccumulator makelabel movelabel makesmithplot movecursorleft "
    "movecursorright msgbox nameplot newplot nextparam noise nopoints op plot plotf plotref poly "
    "print printcursors printevent printname printplot printstatus printtext printtol printunits "
    "printval printvector pwl pz quit removesmithplot rename repeat resume rotate runs rusage save "
    "sendplot sendscript sens set setcursor setdoc setlabel setlabeltype setmargins setnthtrigger "
    "setunits setvec setparam setplot setquery setscaletype settracecolor settracestyle setsource "
    "settrigger setxlimits setylimits show showmod sort status step stop switch tf timetofreq "
    "timetowave tran unalias unlet unset unalterparam update version view wavefilter wavetotime where "
    "while write";

const char kSpice1[] =
    "abs askvalue atan average ceil cos db differentiate differentiatex exp finalvalue floor "
    "getcursorx getcursory getcursory0 getcursory1 getparam im ln initialvalue integrate integratex "
    "interpolate isdef isdisplayed j log length mag max maxscale mean meanpts min minscale nextplot "
    "nextvector norm operatingpoint ph phase phaseextend pk_pk pos pulse re rms rmspts rnd sameplot "
    "sin sqrt stddev stddevpts tan tfall tolerance trise unitvec vector";

const char kSpice2[] =
    "param nodeset include options dcconv subckt ends model";

const char kVisualProlog0[] =
    "goal namespace interface class implement open inherits supports resolve delegate monitor "
    "constants domains predicates constructors properties clauses facts guard language";

const char kVisualProlog1[] =
    "any binary binaryNonAtomic boolean char compareResult factDB integer integer64 integerNative "
    "pointer real real32 string string8 symbol unsigned unsigned64 unsignedNative apicall bininclude "
    "c determ digits dll erroneous externally failure from multi nondeterm procedure prolog single "
    "stdcall thiscall";

const char kVisualProlog2[] =
    "include bininclude requires orrequires if then elseif else endif error message export externally "
    "options stringinclude";

const char kVisualProlog3[] =
    "short detail end exception withdomain";

const char kTypeScript0[] =
    "abstract any as asserts async await bigint boolean break case catch class const constructor "
    "continue debugger declare default delete do else enum export extends false finally for from "
    "function get global if implements import in infer instanceof interface is keyof let module "
    "namespace never new null number object of package private protected public readonly require "
    "return satisfies set static string super switch symbol this throw true try type typeof undefined "
    "unique unknown var void while with yield accessor out override";

const char kTypeScript3[] =
    "param returns template type typedef deprecated";

const char kCueSheet0[] =
    "arranger catalog cdtextfile composer file flags index isrc message performer postgap pregap rem "
    "songwriter title track";

} // namespace keywords
