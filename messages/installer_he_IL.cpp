// Hebrew texts of the installer messages: program name, help pages, wizard, progress and status texts.
// Stored in reading order; the marks keep Latin runs in place on a bidirectional display.
#include "messages/MessageLoaders.h"

namespace {

const MessagePair kTable[] = {
    {"Kitwright", "מתקין Zarni"},
    {"usage_cmd_list_tail",
     "דוגמאות:\n"
     "  הצגת המוצרים הזמינים:\n"
     "   list\n"
     "  הצגת מהדורות Zarni העדכניות הזמינות בערוצי ברירת המחדל:\n"
     "   list %1%\n"
     "  הצגת כל מהדורות Zarni הזמינות:\n"
     "   list %1% all\n"
     "  הצגת מהדורת התצוגה המקדימה העדכנית של Zarni (בערוץ 'testing')\u200F:\n"
     "   list %1% testing\n"
     "  הצגת הרכיבים ב-Zarni %2% (נבחר לפי מזהה מוצר וגרסה)\u200F:\n"
     "   list %1% %2% --components\n"
     "  הצגת ערכות ההתקנה ב-Zarni %2% (נבחר לפי מזהה מהדורה)\u200F:\n"
     "   list %3% --presets\n"},
    {"usage_cmd_install_tail",
     "דוגמאות:\n"
     "  התקנת ערכת הרכיבים המומלצת של המהדורה העדכנית ביותר של Zarni\n"
     "  שזמינה לכלל המשתמשים:\n"
     "    install\n"
     "  התקנת מהדורת התצוגה המקדימה העדכנית הזמינה של Zarni:\n"
     "   install testing\n"
     "  התקנת Zarni %2% (נבחר לפי גרסה)\u200F:\n"
     "    install %1% %2%\n"
     "  התקנת הערכה המלאה של רכיבי Zarni ללא תמיכה ב-Java וללא דואר האינטרנט\n"
     "  Horde (המהדורה נבחרת לפי מזהה)\u200F:\n"
     "    install %3% --preset Full --without java horde\n"},
    {"usage_cmd_upgrade_tail",
     "דוגמאות:\n"
     "  שדרוג ל-Zarni %2% (נבחר לפי מזהה מוצר וגרסה)\u200F:\n"
     "   upgrade %1% %2%\n"
     "  שדרוג ל-Zarni %2% (נבחר לפי מזהה מהדורה)\u200F:\n"
     "   upgrade %3%\n"
     "  שדרוג למהדורה היציבה העדכנית הזמינה של Zarni:\n"
     "   upgrade %1% stable\n"},
    {"usage_cmd_update_tail",
     "דוגמאות:\n"
     "  התקנת העדכונים העדכניים הזמינים לכל המוצרים המותקנים:\n"
     "   update\n"
     "  עדכון התקנת Zarni:\n"
     "   update %1%\n"
     "  התקנת עדכוני Zarni בלבד, בלי לעדכן שירותים אחרים שמנוהלים על ידי Zarni\n"
     "  אם אפשר (חל רק על המוצר '%1%'):\n"
     "   update --panel-only\n"},
    {"usage_selector",
     "כל SELECTOR הוא אחד מהבאים:\n"
     "  מזהה מוצר, לדוגמה '%1%'\n"
     "  ערוץ מהדורה, לדוגמה 'stable', או 'all' ללא סינון לפי ערוץ\n"
     "  גרסת מהדורה, לדוגמה '%2%'\n"
     "  מזהה מהדורה, לדוגמה '%3%'\n"
     "\n"
     "השתמש בפקודה 'list' כדי לבדוק אילו בוררים חוקיים.\n"},
    {"usage_product",
     "PRODUCT הוא בורר של מזהה מוצר, לדוגמה '%1%'.\n"
     "השתמש בפקודה 'list' כדי לבדוק אילו מזהי מוצר חוקיים.\n"},
    {"download_file", "מוריד את הקובץ "},
    {"download_total_progress", "(%s מתוך %s)\u200F "},
    {"download_retry_progress", " (ניסיון חוזר %s מתוך %s)"},
    {"download_retry", "%s. ניסיון חוזר בעוד %s שניות..."},
    {"progress_stage_init", "Zarni Installer הופעל"},
    {"progress_stage_prep", "הכנת המערכת"},
    {"progress_stage_resolv", "פתרון תלויות החבילה"},
    {"progress_stage_download", "הורדת חבילות"},
    {"dpkg_register_new_arch", "רישום התמיכה בארכיטקטורה %s"},
    {"examine_unpassed", "בדיקת הרכיבים והמוצר מצאה לפחות בעיה חשובה אחת:"},
    {"examine_post_results", "תוצאות הבדיקה של הרכיבים והמוצר:"},
    {"examine_signal", "הבדיקה הסתיימה בגלל האות %s."},
    {"examine_time_limit", "הבדיקה לא הסתיימה בתוך %s שניות והופסקה."},
    {"check_system_packages", "בודק חבילות מותקנות... "},
    {"read_system_packages", "מקבל מידע על החבילות המותקנות... "},
    {"status_not_locked", "Zarni Installer אינו פועל."},
    {"status_locked_by_another", "פעולת העדכון ננעלה על ידי תהליך עדכון אחר."},
    {"status_daemon_launched", "ה-daemon של Zarni Installer הופעל."},
    {"status_busy", "מופע אחר של Zarni Installer כבר פועל."},
    {"error_sys_stable", "לא כל החבילות הותקנו."},
    {"error_sys_unsure",
     "אזהרה! לא כל החבילות הותקנו.\n"
     "בדוק אם שירותי המערכת שלך פועלים כראוי."},
    {"error_sys_broken", "\u202Bשים לב! ייתכן שהתוכנה שלך לא תפעל."},
    {"error_rep_none", ""},
    {"error_rep_again", "נסה להתקין את החבילות שוב מאוחר יותר."},
    {"error_supp_none", "פתור את הבעיה ונסה להתקין את החבילות שוב."},
    {"components_allready_installed", "כבר מותקנות אצלך הגרסה העדכנית של המוצרים וכל הרכיבים שנבחרו. ההתקנה לא תימשך."},
    {"releases_no_avail",
     "ההתקנה לא תימשך כי מערכת ההפעלה שלך\n"
     "\"%s\" אינה נתמכת.\n"
     "\n"
     "לרשימה המלאה של מערכות ההפעלה הנתמכות\n"
     "עיין בהערות המהדורה של Zarni.\n"},
    {"insttypes_page_hdr1", "בחר את סוג ההתקנה עבור %s"},
    {"components_page_body2", "בחר את הרכיבים של %s שברצונך להתקין:"},
    {"components_page_num_selected", "נבחרו %s מתוך %s רכיבים"},
    {"options_page_body2", "יש לציין פרמטרים עבור רכיבי %s.\n"},
    {"options_page_body5",
     "\n"
     "הרכיב '%s': כל הפרמטרים הנדרשים הוגדרו.\n"},
    {"packages_page_body_install",
     "המוצר זקוק ל-%s חבילות כדי לפעול כראוי, והן\n"
     "לא נמצאו במערכת שלך.\n"},
    {"packages_page_body_upgrade",
     "יש %s חבילות שצריך לשדרג\n"
     "כדי להתקין את המוצר.\n"},
    {"packages_page_body_remove", "יש %s חבילות מותקנות שיוסרו.\n"},
    {"install_start", "מחיל שינויים על המערכת"},
    {"install_ok", "השינויים הוחלו בהצלחה."},
    {"err_send_mail", "אזהרה: שליחת דוח ההתקנה בדוא\"ל נכשלה."},
    {"err_read_prodsinfo", "קריאת פרטי המוצר נכשלה מהקובץ "},
    {"warn_deprecated_option", "אזהרה: אפשרות שורת הפקודה '%s' הוצאה משימוש והמערכת תתעלם ממנה."},
    {"err_chk_md5", "חישוב סכום הביקורת נכשל עבור הקובץ "},
    {"new_build_avail", "אזהרה: build חדש של המוצר זמין בשרת."},
    {"added_comps_by_deps", "הרכיבים הבאים יותקנו כי הרכיבים שבחרת זקוקים להם:"},
    {"removed_comps_by_deps", "הרכיבים הבאים יוסרו כי הם מתנגשים ברכיבים שבחרת להתקין או זקוקים לרכיבים שבחרת להסיר:"},
    {"err_dep_from_pkg_unresolved",
     "%s: לא נמצא פתרון מתאים\n"
     "לתלות \"%s\".\n"},
    {"err_pkg_downgrade",
     "לא ניתן לשנמך את החבילה '%s' לגרסה %s:\n"
     " גרסה %s מותקנת כעת."},
    {"err_pkg_clash", "לא ניתן להתקין את החבילות \"%s\" ו-\"%s\" בו-זמנית"},
    {"err_pkg_fileconfl", "בגלל התנגשות עם הקובץ \"%s\""},
    {"err_pkg_depconfl", "כי \"%s\" מתנגשת עם \"%s\"."},
    {"pkg_select_reason", "החבילה \"%s\" נבחרה בגלל התלויות הבאות:"},
    {"pkg_select_depend", "\u200F \"%s\" מ-\"%s\""},
    {"deps_report_head", "הגורמים הבאים עלולים לגרום לכישלון ההתקנה:"},
    {"deps_long_report",
     "נתקלנו גם בבעיות אחרות. לפרטים,\n"
     "עיין בקובץ היומן: %s.\n"},
    {"user_canceled", "הופסק על ידי המשתמש"},
    {"goto_webinterface_url",
     "\n"
     "ממשק האינטרנט הופעל.\n"
     "גלוש אל %s בדפדפן שלך.\n"
     "\n"},
    {"upgrade_from_not_supported_versions", "ניתן לשדרג את %s רק לגרסה %s או לגרסה קודמת לה. אם ברצונך לשדרג לגרסה העדכנית ביותר, עיין במאמר הבא: %s"},
    {"stop_already_stopped", "Zarni Installer אינו פועל."},
    {"stop_sent", "נשלחה בקשה לכיבוי Zarni Installer."},
    {"download_completed", "כבר הורד"},
    {"download_done", "בוצע"},
    {"download_all_done", "כל הקבצים הורדו."},
    {"download_ext_catalog_feed", "מוריד את הזנת קטלוג ההרחבות..."},
    {"process_apt_get_update", "מעדכן את אינדקס החבילות של APT..."},
    {"question_continue", "\u200F\u200Fהאם להמשיך?"},
    {"question_show_settings",
     "ייתכן שהסיבה היא בעיה במקור ההתקנה, בחיבור שלך או בהגדרות המתקין.\n"
     "המתקין ייסגר בגלל שגיאה שאין ממנה התאוששות.\n"
     "האם להציג את הגדרות המתקין הנוכחיות ואת הדרך לשנות אותן?"},
    {"examine_presetup", "בדיקת הרכיבים והמוצר לפני ההתקנה"},
    {"examine_postsetup", "בדיקת הרכיבים והמוצר אחרי ההתקנה"},
    {"examine_perform", "בודק את הרכיבים ואת המוצר..."},
    {"examine_skip_yesno",
     "המשך ההתקנה או השדרוג בלי לפתור את הבעיות\n"
     "שנמצאו עלול להשחית את הנתונים שלך.\n"},
    {"wizard_current_settings", "הגדרות נוכחיות:"},
    {"yesno_retry", "הקלד Y עבור כן או N עבור לא"},
    {"message_press_enter", "(הקש Enter כדי להמשיך)"},
    {"releases_reporter_no_updates", "אין עדכונים זמינים."},
    {"releases_reporter_list_empty", "אין מוצרים זמינים להתקנה."},
    {"releases_page_hdr", "מוצרים וגרסאות"},
    {"releases_page_body", "גרסאות המוצר הבאות זמינות:"},
    {"releases_no_selected", "לא נבחרה גרסת מוצר."},
    {"releases_upgrade_request1", "גרסת המוצר "},
    {"releases_upgrade_request2",
     " מותקנת אצלך.\n"
     "האם לשדרג אותה?"},
    {"wizard_legend_header", "פעולות זמינות:"},
    {"wizard_legend_f_forward", "(F) המשך קדימה"},
    {"wizard_legend_b_back", "(B) חזרה"},
    {"wizard_legend_q_quit", "(Q) ביטול ההתקנה"},
    {"wizard_legend_s_advanced_settings", "(S) הצגת הגדרות מתקדמות"},
    {"wizard_legend_a_select_all", "(A) בחירת הכול"},
    {"wizard_legend_d_deselect_all", "(D) ביטול בחירת הכול"},
    {"wizard_legend_f_forward_specify_params", "(F) המשך וציון פרמטרים"},
    {"wizard_legend_f_forward_skip_params", "(F) המשך בלי לשנות פרמטרים"},
    {"wizard_legend_u_specify_undefined_params", "(U) המשך וציון הפרמטרים שלא הוגדרו בלבד"},
    {"wizard_legend_r_redefine_params_all", "(R) הגדרה מחדש של כל הפרמטרים"},
    {"wizard_legend_r_redefine_params_one", "(R) הגדרה מחדש של הפרמטרים של רכיב זה"},
    {"wizard_legend_s_show_packages", "(S) הצגת רשימת החבילות"},
    {"wizard_prompt_action", "בחר פעולה"},
    {"wizard_prompt_action_retry", "הקלד אחד מהתווים שבמקרא שלמעלה"},
    {"wizard_prompt_action_or_number", "בחר פעולה או מספר"},
    {"wizard_prompt_action_or_number_retry", "הקלד מספר או את תו הפעולה מהמקרא שלמעלה"},
    {"wizard_prompt_number", "בחר מספר"},
    {"wizard_prompt_number_retry", "הקלד אחד מהמספרים שברשימה שלמעלה"},
    {"hello_page_hdr", "אשף ההתקנה והשדרוג של Zarni"},
    {"hello_page_body",
     "אשף זה עוזר לך להתקין את Zarni, לשדרג אותו למהדורה חדשה יותר, ולהוסיף\n"
     "או להסיר את הרכיבים שלו.\n"
     "\n"
     "------ חשוב ------\n"
     "\n"
     "* גבה את הנתונים שלך לפני שדרוג Zarni או הסרת רכיב כלשהו שלו.\n"
     "\n"
     "* אל תפסיק את ההתקנה בזמן שחבילות מותקנות.\n"
     "\n"
     "* Zarni מופץ לפי הסכם רישיון משתמש הקצה של Zarni. קרא את\n"
     "  התנאים שלו בכתובת http://www.zarni.example/legal/terms/\u200E לפני שתמשיך:\n"
     "  התקנת Zarni מהווה הסכמה להם.\n"},
    {"source_product_source", " התקן מוצרים מ-"},
    {"source_target_dir", " שמור קבצים שהורדו ב: "},
    {"source_from_zarni", "שרת העדכונים של Zarni"},
    {"source_from_network", "המיקום ברשת"},
    {"source_from_local", "התיקייה המקומית"},
    {"proxy_no_proxy", " אל תשתמש ב-proxy"},
    {"proxy_no_auth", " אל תשתמש באימות proxy"},
    {"proxy_proxy_host", " השתמש ב-proxy של HTTP (host:port): "},
    {"proxy_auth", " השתמש באימות proxy, שם משתמש: "},
    {"settings_download_retries", " מספר הניסיונות החוזרים של הורדה שנכשלה: "},
    {"settings_page_hdr", "הגדרות מתקדמות"},
    {"settings_page_body",
     "ניתן לקבוע הגדרות אלה (מיקום חבילות ההפצה של המוצרים, אחסון הקבצים\n"
     "שהורדו, הגדרות proxy, הגדרות הורדה) בשורת הפקודה או בקובץ התצורה.\n"
     "\n"
     " שורת הפקודה                | קובץ התצורה              | תיאור\n"
     "----------------------------+--------------------------+--------------------\n"
     " --source <URL or path>     | SOURCE=<URL or path>     | מקור ההתקנה\n"
     " --target <dir>             | TARGET=<dir>             | תיקיית ההורדות\n"
     " --proxy-host <מארח>        | PROXY_HOST=<מארח>        | מארח ה-proxy\n"
     " --proxy-port <יציאה>       | PROXY_PORT=<יציאה>       | יציאת ה-proxy\n"
     " --proxy-user <משתמש>       | PROXY_USER=<משתמש>       | משתמש ה-proxy\n"
     " --proxy-password <pass>    | PROXY_PASSWORD=<pass>    | סיסמת ה-proxy\n"
     " --download-retry-count <N> | DOWNLOAD_RETRY_COUNT=<N> | ניסיונות הורדה\n"
     "\n"
     "ארגומנטים בשורת הפקודה גוברים על קובץ התצורה. המתקין קורא את קובץ\n"
     "התצורה כשהוא מתחיל לפעול; כתוב כל הגדרה בשורה נפרדת, לדוגמה\n"
     "PROXY_PORT=3128\u200E.\n"},
    {"settings_page_cfg", "מיקום קובץ התצורה של המתקין: "},
    {"insttypes_page_hdr", "סוגי התקנה"},
    {"insttypes_page_body", "סוג התקנה הוא ערכת רכיבים מוגדרת מראש. בחר אחד מהם:"},
    {"components_page_hdr", "רשימת הרכיבים העיקריים"},
    {"components_page_hdr1", "רשימת הרכיבים הראשיים עבור "},
    {"components_page_body1", "הצג רכיבים עבור המוצר:"},
    {"components_page_body3", "בחר את הרכיבים שברצונך להתקין:"},
    {"components_page_bottom_toggle_components", "הזן מספר כדי להחליף את מצב הרכיב המתאים."},
    {"components_page_bottom_toggle_groups", "הזן מספר כדי להחליף את מצב הרכיב המתאים או להציג את הקבוצה (מסומנת ב-<+>)."},
    {"components_toggle_also", "כדי להחליף את מצב הרכיב הזה עליך גם"},
    {"components_install_also", "להתקין או לשדרג את הרכיבים הבאים: "},
    {"components_install_remove_them", "האם לעשות זאת?"},
    {"components_remove_also", "להסיר את הרכיבים הבאים: "},
    {"components_unmark_also", "לבטל את בחירת הרכיבים הבאים: "},
    {"components_atleast_one", "כדי להמשיך, עליך לבחור לפחות רכיב אחד."},
    {"components_deny_implicit_remove", "כדי להסיר רכיב זה או קבוצת רכיבים זו, עליך להסיר תחילה רכיבים שאי אפשר להסיר במשתמע: "},
    {"components_group_toggle_also", "כדי להחליף את מצב הרכיבים האלה עליך גם"},
    {"components_group_deny_conflict", "לא ניתן להחליף את מצב הרכיבים האלה כי הדבר ישבור את התלויות של הרכיבים הבאים: "},
    {"components_group_deny_conflict_suggestion", "נסה במקום זאת להחליף את מצב הרכיבים אחד אחד."},
    {"need_also_message", "הרכיבים שבחרת יחייבו התקנת חבילות מהרכיבים הבאים: \n"},
    {"need_also_remove_message", "הרכיבים שבחרת יחייבו הסרת חבילות מהרכיבים הבאים: \n"},
    {"options_page_hdr", "פרמטרים של רכיבים"},
    {"options_page_body1", " רכיבים שנבחרו להתקנה דורשים שתציין פרמטרים מסוימים.\n"},
    {"options_page_body3", "עליך לציין עכשיו את כל הפרמטרים הנדרשים.\n"},
    {"options_page_body4", "הפרמטרים של כל הרכיבים האלה כבר מוגדרים.\n"},
    {"packages_page_hdr", "שינויים בחבילות"},
    {"packages_no_reqpackages", "אין צורך להתקין, לשדרג או להסיר חבילות."},
    {"install_remove", "מסיר חבילות: "},
    {"install_again",
     "לתשומת לבך: build חדש של המוצר שוחרר בזמן ש-Zarni Installer התקין את החבילות.\n"
     "האם להתקין אותו?"},
    {"install_install_package", "מתקין חבילות: "},
    {"checking_comps_status", "מזהה את רכיבי המוצר המותקנים."},
    {"checking_deps", "בודק תלויות חבילות..."},
    {"err_set_proxyvar", "אזהרה: הגדרת משתנה הסביבה של ה-proxy עבור מנהל החבילות נכשלה."},
    {"err_no_librpm", "שגיאה: לא ניתן לטעון את librpm, הספרייה שקוראת את מסד הנתונים של חבילות RPM."},
    {"err_no_pagers", "אזהרה: לא נמצא אף אחד מכלי השירות 'less' או 'more'."},
    {"installling_pkgs", "מתקין חבילות"},
    {"installing_pkglist", "מתקין את החבילות הבאות:"},
    {"warn_apt_cdrom_in_source",
     "אזהרה: רשימת המקורות של APT מכילה מקור CD/DVD. ייתכן ש-Zarni Installer\n"
     "ייעצר וימתין לתקליטור. אם התקליטור אינו זמין, הסר את שורות cdrom\n"
     "מ-/etc/apt/sources.list ומהקבצים שב-/etc/apt/sources.list.d/,\n"
     "והפעל את ההתקנה שוב."},
    {"retype_password", "הקלד שוב את הסיסמה: "},
    {"webinterface_exit_by_timeout", " Zarni Installer נסגר בגלל פרק זמן ארוך ללא פעילות."},
    {"ask_customer_feedback",
     "האם תרצה לעזור לשפר את Zarni על ידי שליחת דוחות שגיאה למפתחי Zarni\n"
     "כאשר מתרחשת בעיה?"},
    {"press_enter_to_exit", "הקש ENTER כדי לצאת ..."},
    {"comps_no_options", "לאף אחד מהרכיבים שברשימה אין הגדרות."},
    {"options_select_all_IPs", "בחר את כל כתובות ה-IP"},
    {"searching_need_pkgs", "מחפש את החבילות הנדרשות..."},
    {"confirm_uninstallation", "האם אתה בטוח שברצונך להסיר את %s ואת כל הרכיבים שלו?"},
    {"confirm_uninstallation_title", "הסרת %s"},
    {"cancel_uninstallation", "ביטול ההסרה"},
    {"error_supp_maybe",
     "פתור את הבעיה ונסה להתקין את החבילות שוב.\n"
     "אפשר לחפש פתרון באתר התמיכה של Zarni בכתובת https://support.zarni.example/"},
    {"usage_header",
     "שימוש: installer [OPTIONS]\n"
     "\n"
     "Zarni Installer מתקין, משדרג ומסיר מוצרי Zarni ואת הרכיבים\n"
     "שלהם. בהפעלה ללא אפשרויות הוא מפעיל את האשף האינטראקטיבי\n"
     "במסוף.\n"
     "\n"},
    {"usage_download",
     " אפשרויות הורדה:\n"
     "    \u200E--source <URL or absolute path>\n"
     "                         קבל את המוצרים משרת העדכונים או משרת המראה\n"
     "                         הנתון, או מתיקייה מקומית.\n"
     "                         ערכים לדוגמה:\n"
     "                          http://updates.zarni.example/\u200E\n"
     "                          http://mirror.zarni.example/zarni/\u200E\n"
     "                          /root/kestavine/mirror/\n"
     "\n"
     "    \u200E--target <dir>  שמור את הקבצים שהורדו בתיקייה הנתונה.\n"
     "                         ערך לדוגמה:\n"
     "                          /root/kestavine\n"
     "\n"
     "    \u200E--download-retry-count <number>\n"
     "                         כמה פעמים לנסות שוב הורדה שנכשלה\n"
     "                         (ברירת מחדל: 3).\n"
     "\n"},
    {"usage_proxy",
     " אפשרויות proxy:\n"
     "    \u200E--proxy-host <host>  שם המארח או כתובת ה-IP של שרת ה-proxy.\n"
     "\n"
     "    \u200E--proxy-port <port>  היציאה של שרת ה-proxy (ברירת מחדל: 3128).\n"
     "\n"
     "    \u200E--proxy-user <user>  שם משתמש לאימות מול ה-proxy.\n"
     "\n"
     "    \u200E--proxy-password <password>\n"
     "                         סיסמה לאימות מול ה-proxy.\n"
     "\n"},
    {"usage_selectors",
     " אפשרויות לבחירת מוצר ומהדורה:\n"
     "    \u200E--select-product-id <product id>\u200E\n"
     "                         בחר את המוצר שהאפשרויות שאחריה מתייחסות אליו.\n"
     "                         בחר את מהדורת המוצר באחת מהאפשרויות האלה\u200F:\n"
     "                           \u200E--select-release-id,\u200F --select-release-latest,\u200F\n"
     "                           \u200E--select-release-current\n"
     "\n"
     "    \u200E--select-release-id <release id>\u200E\n"
     "                         בחר את המהדורה עם המזהה הנתון.\n"
     "\n"
     "    \u200E--select-release-latest\n"
     "                         בחר את המהדורה העדכנית הזמינה של המוצר.\n"
     "\n"
     "    \u200E--select-release-current\n"
     "                         בחר את המהדורה המותקנת של המוצר.\n"
     "\n"
     "    \u200E--tier <tiers>       הצע רק את המהדורות של הערוצים הנתונים, רשימה\n"
     "                         מופרדת בפסיקים כמו stable,testing. ברירת המחדל\n"
     "                         היא \"stable,release,current\".\n"
     "\n"
     "    \u200E--all-versions       אל תסנן את המהדורות לפי ערוץ. עם אפשרות זו\n"
     "                         המתקין מציע את המהדורות של כל הערוצים, כולל\n"
     "                         מהדורות תצוגה מקדימה.\n"
     "\n"},
    {"usage_install",
     " אפשרויות התקנה:\n"
     " \u200E--installation-type <type name>\n"
     "                         התקן את הרכיבים של סוג ההתקנה הנתון\n"
     "                         (לדוגמה 'Recommended' או 'Full') של מהדורת המוצר\n"
     "                         שנבחרה.\n"
     "                         דוגמאות:\n"
     "                         1) הרכיבים המומלצים של Zarni העדכני ביותר\u200F:\n"
     "                          \u200F--select-product-id zarni --select-release-latest \\\n"
     "                          --installation-type Recommended\n"
     "                         2) כל הרכיבים של מהדורת Zarni ZARNI_12_5_30\u200F:\n"
     "                           \u200E--select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --installation-type Full\n"
     "\n"
     "     \u200E--install-component <component id>\n"
     "                         התקן את הרכיב הנתון של מהדורת המוצר שנבחרה.\n"
     "                         חזור על האפשרות כדי להתקין כמה רכיבים.\n"
     "                         דוגמאות:\n"
     "                         1) הוספת דואר האינטרנט Horde ל-Zarni המותקן:\n"
     "                             \u200E--select-product-id zarni --select-release-current \\\n"
     "                             --install-component horde\n"
     "                         2) התקנת Zarni 12.5.30 עם הלוח ו-Postfix\u200F:\n"
     "                             \u200E--select-product-id zarni \\\n"
     "                             --select-release-id ZARNI_12_5_30 \\\n"
     "                             --install-component panel --install-component postfix\n"
     "\n"
     "    \u200E--set-option <setting_name>=<setting_value>\u200E\n"
     "                         קבע הגדרת רכיב של המוצר שנקבע על ידי\n"
     "                         האפשרות \u200E--select-product-id שלפניה. חזור על האפשרות כדי\n"
     "                         לקבוע כמה הגדרות.\n"
     "\n"},
    {"usage_remove",
     " אפשרויות הסרה:\n"
     " \u200E--remove-component <component id>\n"
     "                         הסר את הרכיב הנתון של המוצר שנבחר.\n"
     "                         חזור על האפשרות כדי להסיר כמה רכיבים.\n"
     "                         דוגמאות:\n"
     "                         1) הסרת דואר האינטרנט Horde מ-Zarni:\n"
     "                             \u200E--select-product-id zarni --remove-component horde\n"
     "                         2) הסרת שני רכיבים בבת אחת:\n"
     "                             \u200E--select-product-id zarni \\\n"
     "                             --remove-component horde \\\n"
     "                             --remove-component postfix\n"
     "\n"
     "    \u200E--remove-everything  הסר את כל הרכיבים של המוצר שנבחר, כלומר\n"
     "                         הסר את המוצר עצמו.\n"
     "                         דוגמה (הסרת Zarni)\u200F:\n"
     "                           \u200E--select-product-id zarni --remove-everything\n"
     "\n"
     "    \u200E--interactive-uninstall\n"
     "                         יחד עם \u200E--remove-everything, המתן ל-Enter\n"
     "                         לפני ש-Zarni Installer יוצא.\n"
     "\n"},
    {"usage_upgrade",
     " אפשרויות שדרוג:\n"
     "    \u200E--upgrade-installed-components\n"
     "                         שדרג את הרכיבים המותקנים של המוצר שנבחר\n"
     "                         למהדורה שנבחרה.\n"
     "                         דוגמאות:\n"
     "                         1) התקנת העדכונים האחרונים של Zarni המותקן:\n"
     "                             \u200E--select-product-id zarni --select-release-current \\\n"
     "                             --upgrade-installed-components\n"
     "                         2) שדרוג Zarni למהדורה ZARNI_12_5_30\u200F:\n"
     "                             \u200E--select-product-id zarni \\\n"
     "                             --select-release-id ZARNI_12_5_30 \\\n"
     "                             --upgrade-installed-components\n"
     "\n"
     "    \u200E--include-components-from-class <class>\u200E\n"
     "                         שדרג רק את הרכיבים המותקנים של המוצר שנבחר\n"
     "                         ששייכים למחלקה הנתונה, לדוגמה\n"
     "                         aspect=panel\u200E. חזור על האפשרות כדי לציין כמה\n"
     "                         מחלקות.\n"
     "\n"},
    {"usage_no_warn",
     " אפשרויות בדיקת רכיבים:\n"
     "    --skip-components-check\n"
     "                         אל תריץ את הבדיקות של הרכיבים ושל המוצר\n"
     "                         לפני ההתקנה ואחריה. Zarni Installer מריץ\n"
     "                         בדיקות אלה כדי למצוא בעיות שעלולות להשחית את\n"
     "                         הנתונים שלך, לכן דלג עליהן רק כשאתה בטוח\n"
     "                         שההתקנה בטוחה.\n"
     "\n"},
    {"usage_list",
     " אפשרויות להצגת מוצרים, מהדורות ורכיבים:\n"
     "    \u200E--show-releases      הצג את המהדורות הזמינות של המוצר שנבחר\n"
     "                         (Zarni כשלא נבחר מוצר)\u200F, עם מזהי המהדורות\n"
     "                         והערוצים שלהן. Zarni Installer מציג רק את\n"
     "                         המהדורות של הערוצים \"stable\", \"release\" ו-\"current\"\n"
     "                         אלא אם תשתמש ב-\u200E--all-versions או תציין ערוצים\n"
     "                         אחרים עם \u200E--tier.\n"
     "\n"
     " \u200E--show-all-releases     הצג את כל המוצרים הזמינים ואת המהדורות שלהם.\n"
     "\n"
     "    \u200E--show-os-list       הצג את מערכות ההפעלה שעבורן נבנתה המהדורה\n"
     "                         שנבחרה.\n"
     "\n"
     "    \u200E--show-installation-types\n"
     "                         הצג את סוגי ההתקנה של המהדורה שנבחרה.\n"
     "\n"
     "    \u200E--show-components    הצג את הרכיבים של המהדורה שנבחרה, ואם כל אחד\n"
     "                         מהם מותקן, ניתן לשדרוג או מעודכן. השתמש במזהי\n"
     "                         הרכיבים שהיא מציגה עם \u200E--install-component\n"
     "                         ו-\u200E--remove-component.\n"
     "\n"
     "    \u200E--show-upgradable-components\n"
     "                         הצג רק את הרכיבים שניתן לשדרג.\n"
     "\n"
     "    \u200E--show-options       יחד עם \u200E--show-components, הצג גם את ההגדרות\n"
     "                         של כל רכיב. לא ניתן לשלב אותה עם\n"
     "                         --show-upgradable-components.\n"
     "\n"
     "    \u200E--show-packages      יחד עם אפשרויות ההתקנה, השדרוג או ההסרה, רק\n"
     "                         הצג את החבילות שיותקנו [I],\u200F ישודרגו [U] או\n"
     "                         יוסרו [R], בלי לשנות דבר.\n"
     "\n"},
    {"usage_automation",
     " אפשרויות אוטומציה:\n"
     "    \u200E--enable-xml-output  הדפס תשובות והודעות מצב בתבנית XML, עבור\n"
     "                         סקריפטים ותוכניות אחרות. התקנה רצה אז\n"
     "                         ברקע.\n"
     "\n"
     "    \u200E--query-status       הצג אם Zarni Installer פועל, ואם כן,\n"
     "                         את השלב ואת הצעד של עבודתו. הסטטוס של\n"
     "                         התשובה הוא אחד מאלה\u200F:\n"
     "                          query_ok   - Zarni Installer אינו פועל\n"
     "                          query_busy - Zarni Installer פועל\n"
     "\n"
     "    \u200E--check-updates      בדוק אם יש עדכונים זמינים למוצר שנבחר\n"
     "                         (Zarni כשלא נבחר מוצר)\u200F.\n"
     "                         דוגמה:\n"
     "                          \u200E--select-product-id zarni --check-updates\n"
     "\n"
     "    \u200E--no-daemon          יחד עם \u200E--enable-xml-output, התקן בחזית\n"
     "                         והמתן עד שההתקנה תסתיים.\n"
     "\n"},
    {"usage_web",
     " אפשרויות ממשק אינטרנט:\n"
     "    --web-interface      הפעל את אשף ההתקנה בדפדפן אינטרנט במקום\n"
     "                         במסוף. האשף מוגש ביציאה 8447.\n"
     "\n"
     "    --ssl-cert <file.pem>\n"
     "                         קובץ עם האישור והמפתח הפרטי עבור\n"
     "                         HTTPS. כברירת מחדל נוצר אישור בחתימה עצמית.\n"
     "\n"
     "    --without-ssl        הגש את ממשק האינטרנט ב-HTTP פשוט.\n"
     "\n"},
    {"usage_override",
     " אפשרויות שעוקפות את מערכת ההפעלה שזוהתה:\n"
     "    --override-os-name <arg>\n"
     "                         השתמש בשם מערכת ההפעלה הנתון במקום השם\n"
     "                         שזוהה.\n"
     "\n"
     "    --override-os-vendor <arg>\n"
     "                         השתמש בספק מערכת ההפעלה הנתון במקום הספק\n"
     "                         שזוהה.\n"
     "\n"
     "    --override-os-version <arg>\n"
     "                         השתמש בגרסת מערכת ההפעלה הנתונה במקום הגרסה\n"
     "                         שזוהתה.\n"
     "\n"
     "    --override-os-arch <arg>\n"
     "                         השתמש בארכיטקטורה הנתונה במקום זו שזוהתה.\n"
     "\n"
     "    --override-environment <arg>\n"
     "                         השתמש בסביבה הנתונה במקום זו שזוהתה:\n"
     "                         'dedicated' או 'cq'.\n"
     "\n"},
    {"usage_console",
     " אפשרויות ממשק מסוף אינטראקטיבי:\n"
     "    \u200E--no-clear           אל תנקה את המסך במעבר בין דפי\n"
     "                         האשף.\n"
     "\n"},
    {"usage_feedback",
     " אפשרויות משוב:\n"
     "    --enable-feedback    אפשר ל-Zarni Installer לשלוח דוח שגיאה\n"
     "                         למפתחי Zarni כאשר מתרחשת בעיה.\n"
     "\n"
     "    --disable-feedback   אל תשלח דוחות שגיאה. Zarni Installer זוכר\n"
     "                         את הבחירה להפעלות הבאות.\n"
     "\n"},
    {"usage_logging",
     " אפשרויות רישום והתראות:\n"
     "    --notify-email <email>\n"
     "                         כש-Zarni Installer מסיים, שלח דוח על\n"
     "                         התוצאה לכתובת הדוא\"ל הנתונה.\n"
     "\n"
     "    --truncate-log       רוקן את קובץ היומן של Zarni Installer בהפעלה.\n"
     "\n"
     "    --separate-logs      כתוב קובץ יומן נפרד לכל הפעלה של\n"
     "                         Zarni Installer.\n"
     "\n"
     "    --debug              כתוב מידע לניפוי באגים לקובץ היומן.\n"
     "\n"},
    {"usage_help",
     " אפשרויות עזרה וגרסה של Zarni Installer:\n"
     "    \u200E--version            הצג את הגרסה של Zarni Installer.\n"
     "\n"
     "    \u200E--usage,\n"
     "\n"
     "    \u200E--help               הצג סקירה של הממשק מבוסס הפקודות.\n"
     "\n"
     "    \u200E--help-options       הצג עזרה זו על הממשק מבוסס האפשרויות.\n"
     "\n"},
    {"usage_obsolete",
     " אפשרויות מיושנות:\n"
     "    \u200E--disable-zarni-sys-updates\n"
     "                         שימשה לכיבוי עדכוני מערכת ההפעלה שסופקו\n"
     "                         עם Zarni. היא עדיין מתקבלת אבל כבר לא משנה\n"
     "                         את מה שמותקן.\n"
     "\n"
     "    \u200E--install-everything\n"
     "                         התקן את כל הרכיבים של מהדורת המוצר שנבחרה.\n"
     "                         השתמש במקום זאת ב-\u200E--installation-type 'Full'.\n"
     "\n"
     "    \u200E--branch <tiers>     זהה ל-\u200E--tier.\n"
     "\n"
     "    \u200E--skip-branch-filter\n"
     "                         זהה ל-\u200E--all-versions.\n"
     "\n"},
    {"usage_deprecated",
     " אפשרויות שהוצאו משימוש (מתקבלות, אך המערכת מתעלמת מהן ומציגה אזהרה):\n"
     "    \u200E--source-type        שימשה לקביעת סוג מקור ההתקנה. הסוג\n"
     "                         מזוהה כעת מהערך של \u200E--source.\n"
     "\n"
     "    \u200E--add-source         שימשה להוספת מקור חבילות נוסף.\n"
     "\n"
     "    \u200E--show-additional-source-types\n"
     "                         שימשה להצגת הסוגים של מקורות חבילות נוספים.\n"
     "\n"
     "    \u200E--show-additional-sources\n"
     "                         שימשה להצגת מקורות החבילות הנוספים.\n"
     "\n"
     "    \u200E--mirror-os          שימשה לשיקוף גרסאות מוצר עבור מערכת הפעלה\n"
     "                         אחרת.\n"
     "\n"
     "    \u200E--install-system-only\n"
     "                         שימשה להתקנת חבילות המערכת בלבד של Zarni\n"
     "                         Tenebrin.\n"
     "\n"
     "    \u200E--allow-kernel-install\n"
     "                         שימשה להתרת התקנה של חבילות ליבה.\n"
     "\n"
     "    \u200E--disable-major-updates\n"
     "                         שימשה למניעת שדרוגים למהדורה ראשית חדשה. בחר\n"
     "                         את המהדורה להתקנה באמצעות \u200E--select-release-id או\n"
     "                         --select-release-current במקום זאת.\n"
     "\n"
     "    \u200E--upgrade-system-packages\n"
     "                         שימשה לשדרוג גם של חבילות מערכת ההפעלה.\n"
     "\n"
     "    \u200E--reinstall-patch    שימשה להתקנה מחדש של התיקון האחרון של המוצרים\n"
     "                         שנבחרו. הממשק מבוסס הפקודות מתעלם מ-\u200E--repatch\n"
     "                         באותו אופן.\n"
     "\n"
     "    \u200E--skip-patch         שימשה לדילוג על התקנת תיקונים. הממשק מבוסס\n"
     "                         הפקודות מתעלם ממנה באותו אופן.\n"
     "\n"
     "    \u200E--no-space-check     שימשה לדילוג על בדיקת שטח הדיסק הפנוי.\n"
     "\n"},
    {"usage_end", "ראה 'installer help' לקבלת מידע על הממשק מבוסס הפקודות.\n"},
    {"usage_commands",
     "שימוש: installer COMMAND [OPTIONS]\n"
     "\n"
     "פקודות\u200F:\n"
     "   list     הצגת המוצרים, המהדורות, הערכות והרכיבים הזמינים\n"
     "   list-all הצגת כל המוצרים הזמינים והמהדורות שלהם\n"
     "   install  התקנת מהדורה של מוצר\n"
     "   update   התקנת העדכונים האחרונים של המוצרים המותקנים\n"
     "   add      הוספת רכיבים למוצר מותקן\n"
     "   remove   הסרת רכיבים ממוצר מותקן\n"
     "   upgrade  שדרוג מוצר מותקן למהדורה אחרת\n"
     "   stop     עצירת Zarni Installer שפועל\n"
     "   version  הצגת הגרסה של Zarni Installer\n"
     "   help     הצגת עזרה על פקודה\n"
     "\n"
     "ראה 'installer help COMMAND' לעזרה על פקודה מסוימת.\n"
     "ראה 'installer --help-options' לעזרה על הממשק מבוסס האפשרויות.\n"},
    {"usage_cmd_prefix", "שימוש: installer "},
    {"usage_cmd_version", "הצגת הגרסה של Zarni Installer."},
    {"usage_cmd_help",
     "ללא COMMAND, הצג את רשימת הפקודות. עם COMMAND, הצג את העזרה של\n"
     "אותה פקודה; הוסף --verbose (-v) כדי לראות עוד מהאפשרויות שלה."},
    {"usage_cmd_list_all", "הצגת כל המוצרים הזמינים והמהדורות שלהם."},
    {"usage_cmd_list",
     "הצגת המוצרים והמהדורות הזמינים. עבור מהדורה מדויקת (מזהה מהדורה,\n"
     "או מזהה מוצר וגרסה), הצג את ערכות ההתקנה שלה (--presets),\n"
     "את הרכיבים שלה (--components, עם ההגדרות שלהם כשמוסיפים --options)\n"
     "או את תצורת מנהל החבילות של המערכת עבורה (--sources)."},
    {"usage_cmd_install",
     "התקנת מהדורה של מוצר. ללא בוררים, מותקנת המהדורה העדכנית הזמינה\n"
     "של Zarni. בחר את הרכיבים באמצעות ערכה (--preset, שאותה מתאימים\n"
     "--with ו---without) או ציין אותם באמצעות --components."},
    {"usage_cmd_upgrade",
     "שדרוג מוצר מותקן למהדורה אחרת. ציין את המהדורה לפי מזהה\n"
     "המהדורה, לפי מזהה מוצר וגרסה, או לפי מזהה מוצר וערוץ\n"
     "(נלקחת המהדורה העדכנית של אותו ערוץ). ללא מהדורה מדויקת,\n"
     "מוצגות המהדורות הזמינות."},
    {"usage_cmd_update",
     "התקנת העדכונים האחרונים של כל המוצרים המותקנים, או של PRODUCT בלבד,\n"
     "בלי לשדרג אותם למהדורה אחרת."},
    {"usage_cmd_add", "הוספת רכיבים למוצר מותקן."},
    {"usage_cmd_remove", "הסרת רכיבים ממוצר מותקן."},
    {"usage_cmd_add_remove_tail", "אפשר להשמיט את המוצר כשמותקן רק מוצר אחד.\n"},
    {"usage_cmd_stop",
     "עצירת Zarni Installer שפועל. הוא נעצר בנקודה הבטוחה הבאה; עם\n"
     "--terminate הוא נעצר גם בזמן שחבילות מותקנות."},
    {"usage_components",
     "COMPONENTS היא רשימה של מזהי רכיבים. הפרד ביניהם ברווחים או בפסיקים,\n"
     "או חזור על האפשרות\u200F:\n"
     " \u200E--components panel horde\n"
     " \u200E--components panel,horde\n"
     " \u200E--components panel --components horde\n"},
    {"usage_verbose", "הוסף '\u200E--verbose' (או '-v') כדי לראות אפשרויות נוספות, '\u200E--verbose=2' כדי לראות את כל האפשרויות."},
    {"usage_hdr_command_opts", "אפשרויות הפקודה"},
    {"usage_hdr_general_opts", "אפשרויות כלליות"},
    {"usage_hdr_download_opts", "אפשרויות הורדה"},
    {"usage_hdr_proxy_opts", "אפשרויות proxy"},
    {"usage_hdr_skip_opts", "אפשרויות לדילוג על שלבים"},
    {"usage_hdr_env_opts", "אפשרויות לעקיפת מערכת ההפעלה"},
    {"usage_opt_source", "מקור ההתקנה: כתובת URL של שרת העדכונים או של שרת מראה, או נתיב מוחלט של תיקייה מקומית"},
    {"usage_opt_target", "תיקייה לקבצים שהורדו"},
    {"usage_opt_tries", "מספר הניסיונות החוזרים של הורדה שנכשלה (ברירת מחדל: 3)"},
    {"usage_opt_ext", "כתובת URL של קטלוג ההרחבות שבו יש להשתמש במקום זה שהמוצר מציין"},
    {"usage_opt_proxy_host", "שם המארח או כתובת ה-IP\u200F של שרת ה-proxy"},
    {"usage_opt_proxy_port", "היציאה של שרת ה-proxy (ברירת מחדל: 3128)"},
    {"usage_opt_proxy_user", "שם משתמש לאימות מול ה-proxy"},
    {"usage_opt_proxy_pass", "סיסמה לאימות מול ה-proxy"},
    {"usage_opt_skip_examine", "אל תריץ את הבדיקות של הרכיבים ושל המוצר לפני ההתקנה ואחריה"},
    {"usage_opt_skip_gpg", "אל תאמת את חתימות ה-GPG של החבילות"},
    {"usage_opt_skip_cleanup", "שמור את תצורת מאגר החבילות כשהמתקין יוצא"},
    {"usage_opt_no_self_upgrade", "אל תחליף את Zarni Installer בגרסה חדשה או ישנה יותר של עצמו"},
    {"usage_opt_help", "הצג את העזרה של הפקודה"},
    {"usage_opt_xml", "הדפס תשובות והודעות מצב בתבנית XML"},
    {"usage_opt_debug", "כתוב מידע לניפוי באגים לקובץ היומן"},
    {"usage_opt_truncate_log", "רוקן את קובץ היומן של Zarni Installer בהפעלה"},
    {"usage_opt_separate_log", "כתוב קובץ יומן נפרד לכל הפעלה של Zarni Installer"},
    {"usage_opt_email", "כש-Zarni Installer מסיים, שלח דוח על התוצאה לכתובת דוא\"ל זו"},
    {"usage_opt_verbose", "הצג עוד אפשרויות בעזרה: 1 לאפשרויות נוספות, 2 לכל האפשרויות"},
    {"usage_opt_completion", "הדפס את האפשרויות של הפקודה עבור השלמה במעטפת (JSON)"},
    {"usage_opt_override_os_name", "שם מערכת ההפעלה לשימוש במקום השם שזוהה"},
    {"usage_opt_override_os_vendor", "ספק מערכת ההפעלה לשימוש במקום הספק שזוהה"},
    {"usage_opt_override_os_version", "גרסת מערכת ההפעלה לשימוש במקום הגרסה שזוהתה"},
    {"usage_opt_override_os_arch", "ארכיטקטורה לשימוש במקום זו שזוהתה"},
    {"usage_opt_override_env", "סביבה לשימוש במקום זו שזוהתה: 'dedicated' או 'cq'\u200F"},
    {"usage_opt_list_presets", "הצג את ערכות ההתקנה של המהדורה"},
    {"usage_opt_list_components", "הצג את הרכיבים של המהדורה"},
    {"usage_opt_list_options", "עם --components, הצג גם את ההגדרות של כל רכיב"},
    {"usage_opt_dry_run", "אל תשנה דבר; רק הצג את החבילות שיותקנו [I],\u200F ישודרגו [U] או יוסרו [R]"},
    {"usage_opt_install_preset", "התקן את הרכיבים של ערכה זו (סוג התקנה), לדוגמה 'Recommended' או 'Full'\u200F"},
    {"usage_opt_install_with", "רכיבים להתקנה בנוסף לערכה"},
    {"usage_opt_install_without", "רכיבים של הערכה שלא יותקנו"},
    {"usage_opt_install_components", "רכיבים להתקנה, במקום ערכה"},
    {"usage_opt_install_options", "הגדרות רכיבים, כל אחת בצורה name=value\u200E"},
    {"usage_opt_update_panel_only", "התקן רק את העדכונים של Zarni עצמו, לא של השירותים האחרים ש-Zarni מנהל"},
    {"usage_opt_addremove_components", "רכיבים להוספה או להסרה"},
    {"usage_opt_stop_terminate", "עצור את Zarni Installer גם בזמן שחבילות מותקנות (שלח SIGTERM במקום SIGHUP)"},
    {"error_supp_need", "אפשר לחפש פתרון באתר התמיכה של Zarni בכתובת https://support.zarni.example/"},
    {"os_win2003_not_supported", "Windows Server 2003 אינו נתמך עוד על ידי Zarni. לפי מדיניות מחזור החיים של Zarni (https://www.zarni.example/legal/lifecycle-policy/), אנו ממליצים להשתמש בגרסה חדשה יותר של מערכת ההפעלה."},
    {"os_win2008_not_supported_product_installed", "Windows Server 2008 אינו נתמך עוד על ידי Zarni. לפי מדיניות מחזור החיים של Zarni (https://www.zarni.example/legal/lifecycle-policy/), אנו ממליצים להשתמש בגרסה חדשה יותר של מערכת ההפעלה. כדי להעביר את Zarni לשרת עם מערכת הפעלה נתמכת, פעל לפי מדריך ההעברה (https://www.zarni.example/en/121368)."},
    {"os_win2008_not_supported_product_not_installed", "Windows Server 2008 אינו נתמך עוד על ידי Zarni. לפי מדיניות מחזור החיים של Zarni (https://www.zarni.example/legal/lifecycle-policy/), אנו ממליצים להשתמש בגרסה חדשה יותר של מערכת ההפעלה."},
    {"os_win2008r2_not_supported_product_installed", "Windows Server 2008 R2 אינו נתמך עוד על ידי Zarni. לפי מדיניות מחזור החיים של Zarni (https://www.zarni.example/legal/lifecycle-policy/), אנו ממליצים להשתמש בגרסה חדשה יותר של מערכת ההפעלה. כדי להעביר את Zarni לשרת עם מערכת הפעלה נתמכת, פעל לפי מדריך ההעברה (https://www.zarni.example/en/121368)."},
    {"os_win2008r2_not_supported_product_not_installed", "Windows Server 2008 R2 אינו נתמך עוד על ידי Zarni. לפי מדיניות מחזור החיים של Zarni (https://www.zarni.example/legal/lifecycle-policy/), אנו ממליצים להשתמש בגרסה חדשה יותר של מערכת ההפעלה."},
};

}  // namespace

void loadInstallerMessages_he_IL(Messages::messages_rep& catalogue)
{
    loadMessageTable(catalogue, kTable);
}
