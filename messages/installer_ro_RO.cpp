// Romanian texts of the installer messages, written over the English ones.
#include "messages/MessageLoaders.h"

namespace {

const MessagePair kTable[] = {
    {"Kitwright", "Zarni Installer"},
    {"usage_cmd_list_tail",
     "Exemple:\n"
     "  Listarea produselor disponibile:\n"
     "    list\n"
     "  Listarea celor mai recente lansări Zarni disponibile, cu nivelurile implicite:\n"
     "    list %1%\n"
     "  Listarea tuturor lansărilor Zarni disponibile:\n"
     "    list %1% all\n"
     "  Afișarea celei mai recente lansări de previzualizare Zarni (nivelul „testing”):\n"
     "    list %1% testing\n"
     "  Listarea componentelor din Zarni %2% (selectat după ID produs și versiune):\n"
     "    list %1% %2% --components\n"
     "  Listarea presetărilor de instalare din Zarni %2% (selectat după ID de lansare):\n"
     "    list %3% --presets\n"},
    {"usage_cmd_install_tail",
     "Exemple:\n"
     "  Instalarea setului recomandat de componente al celei mai recente lansări\n"
     "  Zarni disponibile pentru toți:\n"
     "    install\n"
     "  Instalarea celei mai recente lansări de previzualizare Zarni:\n"
     "    install testing\n"
     "  Instalarea Zarni %2% (selectat după versiune):\n"
     "    install %1% %2%\n"
     "  Instalarea setului complet de componente Zarni fără suport Java și fără\n"
     "  webmailul Horde (lansarea este selectată după ID):\n"
     "    install %3% --preset Full --without java horde\n"},
    {"usage_cmd_upgrade_tail",
     "Exemple:\n"
     "  Upgrade la Zarni %2% (selectat după ID produs și versiune):\n"
     "    upgrade %1% %2%\n"
     "  Upgrade la Zarni %2% (selectat după ID de lansare):\n"
     "    upgrade %3%\n"
     "  Upgrade la cea mai recentă lansare stabilă Zarni disponibilă:\n"
     "    upgrade %1% stable\n"},
    {"usage_cmd_update_tail",
     "Exemple:\n"
     "  Instalarea celor mai recente actualizări pentru toate produsele instalate:\n"
     "    update\n"
     "  Actualizarea instalării Zarni:\n"
     "    update %1%\n"
     "  Instalarea numai a actualizărilor Zarni, fără actualizarea altor servicii\n"
     "  gestionate de Zarni, dacă este posibil (numai pentru produsul „%1%”):\n"
     "    update --panel-only\n"},
    {"usage_selector",
     "Fiecare SELECTOR este unul dintre următoarele:\n"
     "  ID produs,       \t\tde ex. „%1%”\n"
     "  nivel de lansare,\t\tde ex. „stable” (stabil) sau „all” (toate), fără filtrare după nivel\n"
     "  versiune de lansare, \tde ex. „%2%”\n"
     "  ID de lansare, \t\tde ex. „%3%”\n"
     "\n"
     "Utilizați comanda „list” pentru a verifica ce selectori sunt valizi.\n"},
    {"usage_product",
     "PRODUCT este un selector de ID de produs, de ex. „%1%”.\n"
     "Utilizați comanda „list” pentru a verifica ce ID-uri de produs sunt valide.\n"},
    {"download_file", "Se descarcă fișierul "},
    {"download_total_progress", "(%s din %s) "},
    {"download_retry_progress", " (reîncercarea %s din %s)"},
    {"download_retry", "%s. Se va reîncerca în %s secunde..."},
    {"progress_stage_init", "Zarni Installer a pornit"},
    {"progress_stage_prep", "Se pregătește sistemul"},
    {"progress_stage_resolv", "Se rezolvă pachetul"},
    {"progress_stage_download", "Se descarcă pachetele"},
    {"dpkg_register_new_arch", "Se înregistrează suportul pentru arhitectura %s"},
    {"examine_unpassed", "Validarea componentelor și a produsului a detectat cel puțin o problemă importantă:"},
    {"examine_post_results", "Rezultatele verificării componentelor și a produsului:"},
    {"examine_signal", "Verificarea a fost încheiată de semnalul %s."},
    {"examine_time_limit", "Verificarea nu s-a terminat în %s secunde și a fost oprită."},
    {"check_system_packages", "Se verifică pachetele instalate... "},
    {"read_system_packages", "Se preiau informațiile despre pachetele instalate... "},
    {"status_not_locked", "Zarni Installer nu rulează."},
    {"status_locked_by_another", "Operațiunea de actualizare a fost blocată de un alt proces de actualizare."},
    {"status_daemon_launched", "Daemonul Zarni Installer a fost lansat."},
    {"status_busy", "O altă instanță Zarni Installer rulează deja."},
    {"error_sys_stable", "Nu au fost instalate toate pachetele."},
    {"error_sys_unsure", "Avertisment! Nu au fost instalate toate pachetele.\nVerificați dacă serviciile sistemului funcționează."},
    {"error_sys_broken", "Atenție! Este posibil ca software-ul să nu funcționeze."},
    {"error_rep_none", ""},
    {"error_rep_again", "Încercați să instalați din nou pachetele mai târziu."},
    {"error_supp_none", "Rezolvați această problemă și încercați să instalați din nou pachetele."},
    {"components_allready_installed", "Aveți deja instalate cea mai recentă versiune a produselor și toate componentele selectate. Instalarea nu va continua."},
    {"releases_no_avail", "Instalarea nu va continua deoarece sistemul de operare\n„%s” nu este acceptat.\n\nConsultați notele de lansare Zarni pentru lista completă\na sistemelor de operare acceptate.\n"},
    {"insttypes_page_hdr1", "Selectați tipul de instalare pentru %s"},
    {"components_page_body2", "Selectați componentele %s pe care doriți să le instalați:"},
    {"components_page_num_selected", "%s din %s componente selectate"},
    {"options_page_body2", "Parametrii pentru %s componente trebuie specificați.\n"},
    {"options_page_body5", "\nComponenta „%s”: toți parametrii obligatorii au fost definiți.\n"},
    {"packages_page_body_install", "Există %s pachete necesare pentru funcționarea corectă a produsului care\nnu au fost găsite în sistem.\n"},
    {"packages_page_body_upgrade", "Există %s pachete cărora trebuie să li se facă upgrade\npentru a instala produsul.\n"},
    {"packages_page_body_remove", "Există %s pachete instalate care vor fi eliminate.\n"},
    {"install_start", "Se aplică modificările în sistem"},
    {"install_ok", "Modificările au fost aplicate cu succes."},
    {"err_send_mail", "Avertisment: trimiterea raportului de instalare prin e-mail a eșuat."},
    {"err_read_prodsinfo", "Citirea informațiilor despre produs a eșuat din fișierul "},
    {"warn_deprecated_option", "AVERTISMENT: opțiunea de linie de comandă „%s” este perimată și va fi ignorată."},
    {"err_chk_md5", "Calcularea sumei de control a eșuat pentru fișierul "},
    {"new_build_avail", "Avertisment: pe server este disponibil un nou build al produsului."},
    {"added_comps_by_deps", "Următoarele componente vor fi instalate deoarece sunt necesare pentru componentele selectate:"},
    {"removed_comps_by_deps", "Următoarele componente vor fi eliminate deoarece sunt în conflict cu componentele selectate pentru instalare sau necesită componentele selectate pentru eliminare:"},
    {"err_dep_from_pkg_unresolved", "%s: Nu s-a găsit nicio soluție corespunzătoare pentru dependența „%s”. "},
    {"err_pkg_downgrade", "Nu se poate face downgrade pachetului „%s” la versiunea %s:\n  în prezent este instalată versiunea %s."},
    {"err_pkg_clash", "Pachetele „%s” și „%s” nu pot fi instalate în același timp"},
    {"err_pkg_fileconfl", "din cauza conflictului cu fișierul „%s”"},
    {"err_pkg_depconfl", "deoarece „%s” este în conflict cu „%s”."},
    {"pkg_select_reason", "Pachetul „%s” a fost ales din cauza următoarelor dependențe:"},
    {"pkg_select_depend", " „%s” de la „%s”"},
    {"deps_report_head", "Următoarele ar putea cauza eșuarea instalării:"},
    {"deps_long_report", "Au fost întâmpinate și alte probleme. Pentru detalii,\nconsultați fișierul jurnal: %s.\n"},
    {"user_canceled", "Întrerupt de utilizator"},
    {"goto_webinterface_url", "\nInterfața web a pornit.\n  Accesați %s în browser.\n\n"},
    {"upgrade_from_not_supported_versions", "Puteți face upgrade %s numai la %s sau la o versiune anterioară. Dacă doriți să faceți upgrade la cea mai recentă versiune, consultați următorul articol: %s"},
    {"stop_already_stopped", "Zarni Installer nu rulează."},
    {"stop_sent", "S-a solicitat oprirea Zarni Installer."},
    {"download_completed", "deja descărcat"},
    {"download_done", "gata"},
    {"download_all_done", "Toate fișierele au fost descărcate."},
    {"download_ext_catalog_feed", "Se descarcă fluxul Extensions Catalog..."},
    {"process_apt_get_update", "Se actualizează indexul de pachete APT..."},
    {"question_continue", "Doriți să continuați?"},
    {"question_show_settings",
     "Cauza poate fi o problemă cu sursa de instalare, cu conexiunea sau cu setările programului de instalare.\n"
     "Programul de instalare se va închide din cauza unei erori irecuperabile.\n"
     "Doriți să vedeți setările curente ale programului de instalare și cum le puteți modifica?"},
    {"examine_presetup", "Se verifică componentele și produsul înainte de instalare"},
    {"examine_postsetup", "Se verifică componentele și produsul după instalare"},
    {"examine_perform", "Se verifică componentele și produsul..."},
    {"examine_skip_yesno",
     "Continuarea instalării sau a upgrade-ului fără rezolvarea problemelor\n"
     "găsite poate deteriora datele.\n"},
    {"wizard_current_settings", "Setări curente:"},
    {"yesno_retry", "Tastați Y pentru „yes” (da) sau N pentru „no” (nu)"},
    {"message_press_enter", "(apăsați Enter pentru a continua)"},
    {"releases_reporter_no_updates", "Nu sunt disponibile actualizări."},
    {"releases_reporter_list_empty", "Nu sunt disponibile produse pentru instalare."},
    {"releases_page_hdr", "Produse și versiuni"},
    {"releases_page_body", "Sunt disponibile următoarele versiuni de produs:"},
    {"releases_no_selected", "Nu a fost selectată nicio versiune de produs."},
    {"releases_upgrade_request1", "Aveți versiunea de produs "},
    {"releases_upgrade_request2",
     " instalată.\n"
     "Doriți să faceți upgrade?"},
    {"wizard_legend_header", "Acțiuni disponibile:"},
    {"wizard_legend_f_forward", "(F) Înainte"},
    {"wizard_legend_b_back", "(B) Înapoi"},
    {"wizard_legend_q_quit", "(Q) Revocare instalare"},
    {"wizard_legend_s_advanced_settings", "(S) Afișare setări avansate"},
    {"wizard_legend_a_select_all", "(A) Selectare totală"},
    {"wizard_legend_d_deselect_all", "(D) Deselectare totală"},
    {"wizard_legend_f_forward_specify_params", "(F) Înainte și specificare parametri"},
    {"wizard_legend_f_forward_skip_params", "(F) Înainte fără modificarea parametrilor"},
    {"wizard_legend_u_specify_undefined_params",
     "(U) Înainte și specificare numai a parametrilor nedefiniți"},
    {"wizard_legend_r_redefine_params_all", "(R) Redefinire toți parametrii"},
    {"wizard_legend_r_redefine_params_one", "(R) Redefinire parametrii acestei componente"},
    {"wizard_legend_s_show_packages", "(S) Afișare lista pachetelor"},
    {"wizard_prompt_action", "Selectați o acțiune"},
    {"wizard_prompt_action_retry", "Tastați unul dintre caracterele din legenda de mai sus"},
    {"wizard_prompt_action_or_number", "Selectați o acțiune sau un număr"},
    {"wizard_prompt_action_or_number_retry",
     "Tastați un număr sau caracterul unei acțiuni din legenda de mai sus"},
    {"wizard_prompt_number", "Selectați un număr"},
    {"wizard_prompt_number_retry", "Tastați unul dintre numerele din lista de mai sus"},
    {"hello_page_hdr", "Expertul de instalare și upgrade Zarni"},
    {"hello_page_body",
     "Acest expert vă ajută să instalați Zarni, să îi faceți upgrade la o lansare mai\n"
     "nouă și să adăugați sau să eliminați componentele sale.\n"
     "\n"
     "------ IMPORTANT ------\n"
     "\n"
     "* Faceți o copie de rezervă a datelor înainte de a face upgrade Zarni sau de a\n"
     "  elimina oricare dintre componentele sale.\n"
     "\n"
     "* Nu întrerupeți instalarea în timp ce se instalează pachetele.\n"
     "\n"
     "* Zarni este distribuit în baza Acordului de licență pentru utilizatorul final\n"
     "  Zarni. Citiți termenii acestuia la http://www.zarni.example/legal/terms/\n"
     "  înainte de a continua: instalând Zarni, îi acceptați.\n"},
    {"source_product_source", " Instalare produse din: "},
    {"source_target_dir", " Salvare fișiere descărcate în: "},
    {"source_from_zarni", "serverul de actualizări Zarni"},
    {"source_from_network", "locația din rețea"},
    {"source_from_local", "directorul local"},
    {"proxy_no_proxy", " Nu se utilizează un proxy"},
    {"proxy_no_auth", " Nu se utilizează autentificarea proxy"},
    {"proxy_proxy_host", " Se utilizează proxy HTTP (gazdă:port): "},
    {"proxy_auth", " Se utilizează autentificarea proxy, nume de utilizator: "},
    {"settings_download_retries", " Numărul de reîncercări ale unei descărcări eșuate: "},
    {"settings_page_hdr", "Setări avansate"},
    {"settings_page_body",
     "Aceste setări (locația pachetelor de distribuție ale produselor, stocarea\n"
     "fișierelor descărcate, setările proxy, setările de descărcare) pot fi setate\n"
     "fie în linia de comandă, fie în fișierul de configurare.\n"
     "\n"
     " Linie de comandă           | Fișier de configurare    | Rezumat\n"
     "----------------------------+--------------------------+---------------------\n"
     " --source <URL sau cale>    | SOURCE=<URL sau cale>    | sursa de instalare\n"
     " --target <dir>             | TARGET=<dir>             | director descărcări\n"
     " --proxy-host <gazda>       | PROXY_HOST=<gazda>       | gazda proxy\n"
     " --proxy-port <port>        | PROXY_PORT=<port>        | portul proxy\n"
     " --proxy-user <utilizator>  | PROXY_USER=<utilizator>  | utilizator proxy\n"
     " --proxy-password <parola>  | PROXY_PASSWORD=<parola>  | parola proxy\n"
     " --download-retry-count <N> | DOWNLOAD_RETRY_COUNT=<N> | reîncercări\n"
     "\n"
     "Argumentele din linia de comandă au prioritate față de fișierul de configurare.\n"
     "Programul de instalare citește fișierul de configurare la pornire; scrieți\n"
     "fiecare setare pe o linie separată, de exemplu PROXY_PORT=3128.\n"},
    {"settings_page_cfg", "Locația fișierului de configurare al programului de instalare: "},
    {"insttypes_page_hdr", "Tipuri de instalare"},
    {"insttypes_page_body",
     "Un tip de instalare este un set predefinit de componente. Selectați unul dintre ele:"},
    {"components_page_hdr", "Lista componentelor principale"},
    {"components_page_hdr1", "Lista componentelor principale pentru "},
    {"components_page_body1", "Afișare componente pentru produsul:"},
    {"components_page_body3", "Selectați componentele pe care doriți să le instalați:"},
    {"components_page_bottom_toggle_components",
     "Introduceți un număr pentru a comuta componenta respectivă."},
    {"components_page_bottom_toggle_groups",
     "Introduceți un număr pentru a comuta componenta respectivă sau pentru a vizualiza grupul (marcat cu <+>)."},
    {"components_toggle_also", "Pentru a comuta starea acestei componente, trebuie și să"},
    {"components_install_also", "instalați sau să faceți upgrade următoarelor componente: "},
    {"components_install_remove_them", "Doriți să faceți acest lucru?"},
    {"components_remove_also", "eliminați următoarele componente: "},
    {"components_unmark_also", "deselectați următoarele componente: "},
    {"components_atleast_one", "Pentru a continua, trebuie să selectați cel puțin o componentă."},
    {"components_deny_implicit_remove",
     "Pentru a elimina această componentă sau acest grup de componente, mai întâi trebuie să eliminați componentele care nu pot fi eliminate implicit: "},
    {"components_group_toggle_also", "Pentru a comuta starea acestor componente, trebuie și să"},
    {"components_group_deny_conflict",
     "Nu se poate comuta starea acestor componente, deoarece s-ar întrerupe dependențele următoarelor componente: "},
    {"components_group_deny_conflict_suggestion", "Încercați să comutați componentele pe rând."},
    {"need_also_message",
     "Componentele selectate vor necesita instalarea pachetelor din următoarele componente: \n"},
    {"need_also_remove_message",
     "Componentele selectate vor necesita eliminarea pachetelor din următoarele componente: \n"},
    {"options_page_hdr", "Parametrii componentelor"},
    {"options_page_body1",
     " componente selectate pentru instalare necesită specificarea anumitor parametri.\n"},
    {"options_page_body3", "Trebuie să specificați acum toți parametrii obligatorii.\n"},
    {"options_page_body4", "Parametrii tuturor acestor componente sunt deja definiți.\n"},
    {"packages_page_hdr", "Modificări ale pachetelor"},
    {"packages_no_reqpackages", "Nu trebuie instalate, actualizate sau eliminate pachete."},
    {"install_remove", "Se elimină pachetele: "},
    {"install_again",
     "Notă: "
     "a fost lansat un nou build al produsului în timp ce Zarni Installer instala pachetele.\n"
     "Doriți să îl instalați?"},
    {"install_install_package", "Se instalează pachetele: "},
    {"checking_comps_status", "Se detectează componentele instalate ale produsului."},
    {"checking_deps", "Se verifică dependențele pachetelor..."},
    {"err_set_proxyvar",
     "Avertisment: setarea variabilei de mediu proxy pentru managerul de pachete a eșuat."},
    {"err_no_librpm",
     "Eroare: nu se poate încărca librpm, biblioteca ce citește baza de date a pachetelor RPM."},
    {"err_no_pagers", "Avertisment: nu s-a găsit niciunul dintre utilitarele „less” și „more”."},
    {"installling_pkgs", "Se instalează pachetele"},
    {"installing_pkglist", "Se instalează următoarele pachete:"},
    {"warn_apt_cdrom_in_source",
     "Avertisment: lista de surse APT conține o sursă CD/DVD. Zarni Installer\n"
     "se poate opri și aștepta discul. Dacă discul nu este disponibil, eliminați\n"
     "liniile cdrom din /etc/apt/sources.list și din fișierele din\n"
     "/etc/apt/sources.list.d/, apoi rulați din nou instalarea."},
    {"retype_password", "Reintroduceți parola: "},
    {"webinterface_exit_by_timeout",
     " Zarni Installer a fost închis din cauza unei perioade lungi de inactivitate."},
    {"ask_customer_feedback",
     "Doriți să ajutați la îmbunătățirea Zarni trimițând rapoarte de erori\n"
     "dezvoltatorilor Zarni atunci când apare o problemă?"},
    {"press_enter_to_exit", "Apăsați ENTER pentru a ieși ..."},
    {"comps_no_options", "Niciuna dintre componentele listate nu are setări."},
    {"options_select_all_IPs", "Selectare toate adresele IP"},
    {"searching_need_pkgs", "Se caută pachetele necesare..."},
    {"confirm_uninstallation", "Sigur doriți să eliminați %s și toate componentele sale?"},
    {"confirm_uninstallation_title", "Eliminarea %s"},
    {"cancel_uninstallation", "Revocare eliminare"},
    {"error_supp_maybe",
     "Rezolvați această problemă și încercați să instalați din nou pachetele.\n"
     "Puteți căuta o soluție pe site-ul de asistență Zarni, la https://support.zarni.example/"},
    {"usage_header",
     "Utilizare: installer [OPTIUNI]\n"
     "\n"
     "Zarni Installer instalează, face upgrade și elimină produsele Zarni și\n"
     "componentele acestora. Rulat fără opțiuni, pornește expertul interactiv în\n"
     "consolă.\n"
     "\n"},
    {"usage_download",
     " Opțiuni de descărcare:\n"
     "    --source <URL sau cale absoluta>\n"
     "                         Preia produsele de pe serverul de actualizări sau de pe\n"
     "                         oglinda indicată ori dintr-un director local.\n"
     "                         Valori de exemplu:\n"
     "                           http://updates.zarni.example/\n"
     "                           http://mirror.zarni.example/zarni/\n"
     "                           /root/kestavine/mirror/\n"
     "\n"
     "    --target <dir>       Stochează fișierele descărcate în directorul indicat.\n"
     "                         Valoare de exemplu:\n"
     "                           /root/kestavine\n"
     "\n"
     "    --download-retry-count <number>\n"
     "                         De câte ori se reîncearcă o descărcare eșuată\n"
     "                         (implicit: 3).\n"
     "\n"},
    {"usage_proxy",
     " Opțiuni proxy:\n"
     "    --proxy-host <host>  Numele gazdei sau adresa IP a serverului proxy.\n"
     "\n"
     "    --proxy-port <port>  Portul serverului proxy (implicit: 3128).\n"
     "\n"
     "    --proxy-user <user>  Numele de utilizator pentru autentificarea proxy.\n"
     "\n"
     "    --proxy-password <password>\n"
     "     Parola pentru autentificarea proxy.\n"
     "\n"},
    {"usage_selectors",
     " Opțiuni de selectare a produsului și a lansării:\n"
     "    --select-product-id <id produs>\n"
     "                         Selectează produsul la care se referă opțiunile de după\n"
     "                         ea. Alegeți lansarea produsului cu una dintre aceste\n"
     "                         opțiuni:\n"
     "                           --select-release-id, --select-release-latest,\n"
     "                           --select-release-current\n"
     "\n"
     "    --select-release-id <id lansare>\n"
     "                         Selectează lansarea cu ID-ul indicat.\n"
     "\n"
     "    --select-release-latest\n"
     "                         Selectează cea mai recentă lansare disponibilă a\n"
     "                         produsului.\n"
     "\n"
     "    --select-release-current\n"
     "                         Selectează lansarea instalată a produsului.\n"
     "\n"
     "    --tier <niveluri>       Oferă numai lansările nivelurilor indicate, o listă\n"
     "                         separată prin virgule, de exemplu stable,testing.\n"
     "                         Valoarea implicită este „stable,release,current”.\n"
     "\n"
     "    --all-versions       Nu filtrează lansările după nivel. Cu această opțiune,\n"
     "                         programul de instalare oferă lansările tuturor\n"
     "                         nivelurilor, „stable” (stabil), „release” (lansare),\n"
     "                         „current” (curent), „testing” (testare), inclusiv\n"
     "                         lansările de previzualizare.\n"
     "\n"},
    {"usage_install",
     " Opțiuni de instalare:\n"
     "    --installation-type <type name>\n"
     "                         Instalează componentele tipului de instalare indicat\n"
     "                         (de exemplu, „Recommended” sau „Full”) al lansării de\n"
     "                         produs selectate.\n"
     "                         Exemple:\n"
     "                         1) componentele recomandate ale celui mai recent Zarni:\n"
     "                           --select-product-id zarni --select-release-latest \\\n"
     "                           --installation-type Recommended\n"
     "                         2) toate componentele lansării Zarni ZARNI_12_5_30:\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --installation-type Full\n"
     "\n"
     "    --install-component <component id>\n"
     "                         Instalează componenta indicată a lansării de produs\n"
     "                         selectate. Repetați opțiunea pentru a instala mai multe\n"
     "                         componente.\n"
     "                         Exemple:\n"
     "                         1) adăugarea webmailului Horde la Zarni instalat:\n"
     "                           --select-product-id zarni --select-release-current \\\n"
     "                           --install-component horde\n"
     "                         2) instalarea Zarni 12.5.30 cu panoul și Postfix:\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --install-component panel --install-component postfix\n"
     "\n"
     "    --set-option <nume_setare>=<valoare_setare>\n"
     "                         Setează o setare de componentă a produsului indicat de\n"
     "                         opțiunea --select-product-id precedentă. Repetați\n"
     "                         opțiunea pentru a seta mai multe setări.\n"
     "\n"},
    {"usage_remove",
     " Opțiuni de eliminare:\n"
     "    --remove-component <id componenta>\n"
     "                         Elimină componenta indicată a produsului selectat.\n"
     "                         Repetați opțiunea pentru a elimina mai multe componente.\n"
     "                         Exemple:\n"
     "                         1) eliminarea webmailului Horde din Zarni:\n"
     "                           --select-product-id zarni --remove-component horde\n"
     "                         2) eliminarea a două componente deodată:\n"
     "                           --select-product-id zarni \\\n"
     "                           --remove-component horde \\\n"
     "                           --remove-component postfix\n"
     "\n"
     "    --remove-everything  Elimină toate componentele produsului selectat, adică\n"
     "                         elimină produsul însuși.\n"
     "                         Exemplu (eliminarea Zarni):\n"
     "                           --select-product-id zarni --remove-everything\n"
     "\n"
     "    --interactive-uninstall\n"
     "                         Împreună cu --remove-everything, așteaptă Enter\n"
     "                         înainte ca Zarni Installer să se închidă.\n"
     "\n"},
    {"usage_upgrade",
     " Opțiuni de upgrade:\n"
     "    --upgrade-installed-components\n"
     "                         Face upgrade componentelor instalate ale produsului\n"
     "                         selectat la lansarea selectată.\n"
     "                         Exemple:\n"
     "                         1) instalarea celor mai recente actualizări ale Zarni instalat:\n"
     "                           --select-product-id zarni --select-release-current \\\n"
     "                           --upgrade-installed-components\n"
     "                         2) upgrade Zarni la lansarea ZARNI_12_5_30:\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --upgrade-installed-components\n"
     "\n"
     "    --include-components-from-class <class>\n"
     "                         Face upgrade numai acelor componente instalate ale\n"
     "                         produsului selectat care aparțin clasei indicate, de\n"
     "                         exemplu aspect=panel. Repetați opțiunea pentru a indica\n"
     "                         mai multe clase.\n"
     "\n"},
    {"usage_no_warn",
     " Opțiuni de verificare a componentelor:\n"
     "    --skip-components-check\n"
     "                         Nu rulează verificările componentelor și ale produsului\n"
     "                         înainte și după instalare. Zarni Installer rulează\n"
     "                         aceste verificări pentru a găsi probleme care ar putea\n"
     "                         deteriora datele, așa că omiteți-le numai dacă sunteți\n"
     "                         sigur că instalarea este sigură.\n"
     "\n"},
    {"usage_list",
     " Opțiuni de listare a produselor, lansărilor și componentelor:\n"
     "    --show-releases      Listează lansările disponibile ale produsului selectat\n"
     "                         (Zarni, dacă nu este selectat niciun produs), cu ID-urile\n"
     "                         de lansare și nivelurile lor. Zarni Installer listează\n"
     "                         numai lansările nivelurilor „stable”, „release” și\n"
     "                         „current”, dacă nu utilizați --all-versions sau nu\n"
     "                         indicați alte niveluri cu --tier.\n"
     "\n"
     "    --show-all-releases  Listează toate produsele disponibile și lansările lor.\n"
     "\n"
     "    --show-os-list       Listează sistemele de operare pentru care este construită\n"
     "                         lansarea selectată.\n"
     "\n"
     "    --show-installation-types\n"
     "                         Listează tipurile de instalare ale lansării selectate.\n"
     "\n"
     "    --show-components    Listează componentele lansării selectate și dacă fiecare\n"
     "                         este instalată, poate primi upgrade sau este la zi.\n"
     "                         Utilizați ID-urile de componente afișate cu\n"
     "                         --install-component și --remove-component.\n"
     "\n"
     "    --show-upgradable-components\n"
     "                         Listează numai componentele care pot primi upgrade.\n"
     "\n"
     "    --show-options       Împreună cu --show-components, afișează și setările\n"
     "                         fiecărei componente. Nu poate fi combinată cu\n"
     "                         --show-upgradable-components.\n"
     "\n"
     "    --show-packages      Împreună cu opțiunile de instalare, upgrade sau\n"
     "                         eliminare, afișează numai pachetele care ar fi\n"
     "                         instalate [I], actualizate [U] sau eliminate [R], fără\n"
     "                         a modifica nimic.\n"
     "\n"},
    {"usage_automation",
     " Opțiuni de automatizare:\n"
     "    --enable-xml-output  Afișează răspunsurile și mesajele de stare în format XML,\n"
     "                         pentru scripturi și alte programe. O instalare rulează\n"
     "                         atunci în fundal.\n"
     "\n"
     "    --query-status   Afișează dacă Zarni Installer rulează și, dacă da, etapa\n"
     "                         și pasul activității sale. Starea răspunsului este una\n"
     "                         dintre următoarele:\n"
     "                           query_ok – Zarni Installer este inactiv\n"
     "                           query_busy – Zarni Installer rulează\n"
     "\n"
     "    --check-updates Verifică dacă sunt disponibile actualizări pentru produsul\n"
     "                         selectat (Zarni, dacă nu este selectat niciun produs).\n"
     "                         Exemplu:\n"
     "                          --select-product-id zarni --check-updates\n"
     "\n"
     "    --no-daemon Împreună cu --enable-xml-output, instalează în prim-plan și\n"
     "                         așteaptă până la terminarea instalării.\n"
     "\n"},
    {"usage_web",
     " Opțiuni pentru interfața web:\n"
     "    --web-interface      Rulează expertul de instalare într-un browser web în\n"
     "                         locul consolei. Expertul este servit pe portul 8447.\n"
     "\n"
     "    --ssl-cert <file.pem>\n"
     "                         Fișierul cu certificatul și cheia privată pentru HTTPS.\n"
     "                         În mod implicit se creează un certificat autosemnat.\n"
     "\n"
     "    --without-ssl        Servește interfața web prin HTTP simplu.\n"
     "\n"},
    {"usage_override",
     " Opțiuni de ignorare a mediului de sistem de operare detectat\n"
     "    --override-os-name <arg>\n"
     "                         Utilizează numele de sistem de operare indicat în locul\n"
     "                         celui detectat.\n"
     "\n"
     "    --override-os-vendor <arg>\n"
     "                         Utilizează furnizorul de sistem de operare indicat în\n"
     "                         locul celui detectat.\n"
     "\n"
     "    --override-os-version <arg>\n"
     "                         Utilizează versiunea de sistem de operare indicată în\n"
     "                         locul celei detectate.\n"
     "\n"
     "    --override-os-arch <arg>\n"
     "                         Utilizează arhitectura indicată în locul celei detectate.\n"
     "\n"
     "    --override-environment <arg>\n"
     "                         Utilizează mediul indicat în locul celui detectat:\n"
     "                         „dedicated” sau „cq”.\n"
     "\n"},
    {"usage_console",
     " Opțiuni de interfață cu consolă interactivă:\n"
     "--no-clear Ecranul nu se șterge la trecerea de la o pagină a expertului la alta.\n"
     "\n"},
    {"usage_feedback",
     " Opțiuni de feedback:\n"
     "    --enable-feedback    Permite Zarni Installer să trimită un raport de erori\n"
     "                         dezvoltatorilor Zarni atunci când apare o problemă.\n"
     "\n"
     "    --disable-feedback   Nu trimite rapoarte de erori. Zarni Installer reține\n"
     "                         alegerea pentru rulările ulterioare.\n"
     "\n"},
    {"usage_logging",
     " Opțiuni de jurnalizare și notificare:\n"
     "    --notify-email <e-mail>\n"
     "                         Când Zarni Installer termină, trimite un raport despre\n"
     "                         rezultat la adresa de e-mail indicată.\n"
     "\n"
     "    --truncate-log   Golește fișierul jurnal al Zarni Installer la pornire.\n"
     "\n"
     "    --separate-logs  Scrie un fișier jurnal separat pentru fiecare rulare a\n"
     "                         Zarni Installer.\n"
     "\n"
     "    --debug           Scrie informațiile de depanare în fișierul jurnal.\n"
     "\n"},
    {"usage_help",
     " Opțiuni de ajutor și versiune pentru Zarni Installer:\n"
     "    --version            Afișează versiunea Zarni Installer.\n"
     "\n"
     "    --usage,\n"
     "    --help               Afișează prezentarea generală a interfeței bazate pe\n"
     "                         comenzi.\n"
     "\n"
     "    --help-options       Afișează acest ajutor despre interfața bazată pe opțiuni.\n"
     "\n"},
    {"usage_obsolete",
     " Opțiuni învechite:\n"
     "    --disable-zarni-sys-updates\n"
     "                         Dezactiva actualizările sistemului de operare livrate\n"
     "                         cu Zarni. Este încă acceptată, dar nu mai modifică ce\n"
     "                         se instalează.\n"
     "\n"
     "    --install-everything\n"
     "                         Instalează toate componentele lansării de produs\n"
     "                         selectate. Utilizați în schimb --installation-type\n"
     "                         „Full” (Complet).\n"
     "\n"
     "    --branch <tiers>     La fel ca --tier.\n"
     "\n"
     "    --skip-branch-filter\n"
     "                         La fel ca --all-versions.\n"
     "\n"},
    {"usage_deprecated",
     " Opțiuni perimate (acceptate, dar ignorate cu un avertisment):\n"
     "    --source-type        Seta tipul sursei de instalare. Tipul este acum\n"
     "                         recunoscut din valoarea opțiunii --source.\n"
     "\n"
     "    --add-source         Adăuga o sursă de pachete suplimentară.\n"
     "\n"
     "    --show-additional-source-types\n"
     "                         Lista tipurile de surse de pachete suplimentare.\n"
     "\n"
     "    --show-additional-sources\n"
     "                         Lista sursele de pachete suplimentare.\n"
     "\n"
     "    --mirror-os          Crea oglinzi ale versiunilor de produs pentru un alt\n"
     "                         sistem de operare.\n"
     "\n"
     "    --install-system-only\n"
     "                         Instala numai pachetele de sistem ale Zarni\n"
     "                         Tenebrin.\n"
     "\n"
     "    --allow-kernel-install\n"
     "                         Permitea instalarea pachetelor de kernel.\n"
     "\n"
     "    --disable-major-updates\n"
     "                         Împiedica upgrade-urile la o nouă lansare majoră.\n"
     "                         Selectați în schimb lansarea de instalat cu\n"
     "                         --select-release-id sau --select-release-current.\n"
     "\n"
     "    --upgrade-system-packages\n"
     "                         Făcea upgrade și pachetelor sistemului de operare.\n"
     "\n"
     "    --reinstall-patch    Reinstala cel mai recent patch al produselor selectate.\n"
     "                         Interfața bazată pe comenzi ignoră în același mod\n"
     "                         --repatch.\n"
     "\n"
     "    --skip-patch         Omitea instalarea patch-urilor. Interfața bazată pe\n"
     "                         comenzi o ignoră în același mod.\n"
     "\n"
     "    --no-space-check     Omitea verificarea spațiului liber pe disc.\n"
     "\n"},
    {"usage_end", "Consultați „installer help” pentru informații despre interfața bazată pe comenzi.\n"},
    {"usage_commands",
     "Utilizare: installer COMANDA [OPTIUNI]\n"
     "\n"
     "Comenzi:\n"
     "list Listarea produselor, lansărilor, presetărilor și componentelor disponibile\n"
     "list-all Afișarea tuturor produselor și a versiunilor de lansare\n"
     "install Instalarea unei lansări de produs\n"
     "update Instalarea celor mai recente actualizări ale produselor instalate\n"
     "add Adăugarea de componente la un produs instalat\n"
     "remove Eliminarea de componente dintr-un produs instalat\n"
     "upgrade Upgrade-ul unui produs instalat la o altă lansare\n"
     "stop Oprirea unui Zarni Installer care rulează\n"
     "version Afișarea versiunii Zarni Installer\n"
     "help Afișarea ajutorului pentru o comandă\n"
     "\n"
     "Consultați „installer help COMANDA” pentru ajutor despre o anumită comandă.\n"
     "Consultați „installer --help-options” pentru ajutor despre interfața bazată pe opțiuni.\n"},
    {"usage_cmd_prefix", "Utilizare: installer "},
    {"usage_cmd_version", "Afișează versiunea Zarni Installer."},
    {"usage_cmd_help",
     "Fără COMMAND, listează comenzile. Cu COMMAND, afișează ajutorul acelei\n"
     "comenzi; adăugați --verbose (-v) pentru a vedea mai multe dintre opțiunile ei."},
    {"usage_cmd_list_all", "Listează toate produsele disponibile și lansările lor."},
    {"usage_cmd_list",
     "Listează produsele și lansările disponibile. Pentru o lansare exactă (un ID de\n"
     "lansare sau un ID de produs și o versiune), listează presetările ei de\n"
     "instalare (--presets), componentele (--components, cu setările lor când se\n"
     "adaugă --options) sau configurația managerului de pachete al sistemului\n"
     "pentru ea (--sources)."},
    {"usage_cmd_install",
     "Instalează o lansare de produs. Fără selectori, se instalează cea mai recentă\n"
     "lansare disponibilă a Zarni. Alegeți componentele cu o presetare (--preset,\n"
     "ajustată de --with și --without) sau numiți-le cu --components."},
    {"usage_cmd_upgrade",
     "Face upgrade unui produs instalat la o altă lansare. Indicați lansarea prin\n"
     "ID-ul ei de lansare, printr-un ID de produs și o versiune sau printr-un ID de\n"
     "produs și un nivel (se ia cea mai recentă lansare a acelui nivel). Fără o\n"
     "lansare exactă, se listează lansările disponibile."},
    {"usage_cmd_update",
     "Instalează cele mai recente actualizări ale tuturor produselor instalate sau\n"
     "numai ale PRODUCT, fără a le face upgrade la o altă lansare."},
    {"usage_cmd_add", "Adaugă componente la un produs instalat."},
    {"usage_cmd_remove", "Elimină componente dintr-un produs instalat."},
    {"usage_cmd_add_remove_tail", "PRODUCT poate fi omis când este instalat un singur produs.\n"},
    {"usage_cmd_stop",
     "Oprește un Zarni Installer care rulează. Se oprește la următorul punct sigur;\n"
     "cu --terminate se oprește chiar și în timp ce se instalează pachetele."},
    {"usage_components",
     "COMPONENTS este o listă de ID-uri de componente. Separați-le cu spații sau\n"
     "virgule ori repetați opțiunea:\n"
     "  --components panel horde\n"
     "  --components panel,horde\n"
     "  --components panel --components horde\n"},
    {"usage_verbose",
     "Adăugați „--verbose” (sau „-v”) pentru a vedea mai multe opțiuni, „--verbose=2” pentru a vedea toate opțiunile."},
    {"usage_hdr_command_opts", "Opțiunile comenzii"},
    {"usage_hdr_general_opts", "Opțiuni generale"},
    {"usage_hdr_download_opts", "Opțiuni de descărcare"},
    {"usage_hdr_proxy_opts", "Opțiuni proxy"},
    {"usage_hdr_skip_opts", "Opțiuni care omit pași"},
    {"usage_hdr_env_opts", "Opțiuni de ignorare a sistemului de operare"},
    {"usage_opt_source",
     "Sursa de instalare: "
     "URL-ul serverului de actualizări sau al unei oglinzi ori calea absolută a unui director local"},
    {"usage_opt_target", "Directorul pentru fișierele descărcate"},
    {"usage_opt_tries", "Numărul de reîncercări ale unei descărcări eșuate (implicit: 3)"},
    {"usage_opt_ext",
     "URL-ul Extensions Catalog de utilizat în locul celui indicat de produs"},
    {"usage_opt_proxy_host", "Numele gazdei sau adresa IP a serverului proxy"},
    {"usage_opt_proxy_port", "Portul serverului proxy (implicit: 3128)"},
    {"usage_opt_proxy_user", "Numele de utilizator pentru autentificarea proxy"},
    {"usage_opt_proxy_pass", "Parola pentru autentificarea proxy"},
    {"usage_opt_skip_examine",
     "Nu rulează verificările componentelor și ale produsului înainte și după instalare"},
    {"usage_opt_skip_gpg", "Nu verifică semnăturile GPG ale pachetelor"},
    {"usage_opt_skip_cleanup",
     "Păstrează configurația depozitelor de pachete la ieșirea programului de instalare"},
    {"usage_opt_no_self_upgrade",
     "Nu înlocuiește Zarni Installer cu o versiune mai nouă sau mai veche a sa"},
    {"usage_opt_help", "Afișează ajutorul comenzii"},
    {"usage_opt_xml", "Afișează răspunsurile și mesajele de stare în format XML"},
    {"usage_opt_debug", "Scrie informațiile de depanare în fișierul jurnal"},
    {"usage_opt_truncate_log", "Golește fișierul jurnal al Zarni Installer la pornire"},
    {"usage_opt_separate_log", "Scrie un fișier jurnal separat pentru fiecare rulare a Zarni Installer"},
    {"usage_opt_email",
     "Când Zarni Installer termină, trimite un raport despre rezultat la această adresă de e-mail"},
    {"usage_opt_verbose", "Afișează mai multe opțiuni în ajutor: 1 pentru mai multe opțiuni, 2 pentru toate opțiunile"},
    {"usage_opt_completion", "Afișează opțiunile comenzii pentru completarea în shell (JSON)"},
    {"usage_opt_override_os_name", "Numele sistemului de operare de utilizat în locul celui detectat"},
    {"usage_opt_override_os_vendor", "Furnizorul sistemului de operare de utilizat în locul celui detectat"},
    {"usage_opt_override_os_version",
     "Versiunea sistemului de operare de utilizat în locul celei detectate"},
    {"usage_opt_override_os_arch", "Arhitectura de utilizat în locul celei detectate"},
    {"usage_opt_override_env",
     "Mediul de utilizat în locul celui detectat: „dedicated” sau „cq”"},
    {"usage_opt_list_presets", "Listează presetările de instalare ale lansării"},
    {"usage_opt_list_components", "Listează componentele lansării"},
    {"usage_opt_list_options", "Cu --components, afișează și setările fiecărei componente"},
    {"usage_opt_dry_run",
     "Nu modifică nimic; "
     "doar afișează pachetele care ar fi instalate [I], actualizate [U] sau eliminate [R]"},
    {"usage_opt_install_preset",
     "Instalează componentele acestei presetări (tip de instalare), de exemplu „Recommended” sau „Full”"},
    {"usage_opt_install_with", "Componente de instalat în plus față de presetare"},
    {"usage_opt_install_without", "Componente ale presetării care nu se instalează"},
    {"usage_opt_install_components", "Componente de instalat, în locul unei presetări"},
    {"usage_opt_install_options", "Setări ale componentelor, fiecare sub forma nume=valoare"},
    {"usage_opt_update_panel_only",
     "Instalează numai actualizările Zarni, nu și pe cele ale altor servicii gestionate de Zarni"},
    {"usage_opt_addremove_components", "Componente de adăugat sau de eliminat"},
    {"usage_opt_stop_terminate",
     "Oprește Zarni Installer chiar și în timp ce se instalează pachetele (trimite SIGTERM în loc de SIGHUP)"},
    {"error_supp_need",
     "Puteți căuta o soluție pe site-ul de asistență Zarni, la https://support.zarni.example/"},
    {"os_win2003_not_supported",
     "Windows Server 2003 nu mai este acceptat de Zarni. "
     "Conform politicii privind ciclul de viață Zarni (https://www.zarni.example/legal/lifecycle-policy/), vă recomandăm să utilizați o versiune mai nouă a sistemului de operare."},
    {"os_win2008_not_supported_product_installed",
     "Windows Server 2008 nu mai este acceptat de Zarni. "
     "Conform politicii privind ciclul de viață Zarni (https://www.zarni.example/legal/lifecycle-policy/), vă recomandăm să utilizați o versiune mai nouă a sistemului de operare. "
     "Pentru a muta Zarni pe un server cu un sistem de operare acceptat, urmați ghidul de migrare (https://www.zarni.example/en/121368)."},
    {"os_win2008_not_supported_product_not_installed",
     "Windows Server 2008 nu mai este acceptat de Zarni. "
     "Conform politicii privind ciclul de viață Zarni (https://www.zarni.example/legal/lifecycle-policy/), vă recomandăm să utilizați o versiune mai nouă a sistemului de operare."},
    {"os_win2008r2_not_supported_product_installed",
     "Windows Server 2008 R2 nu mai este acceptat de Zarni. "
     "Conform politicii privind ciclul de viață Zarni (https://www.zarni.example/legal/lifecycle-policy/), vă recomandăm să utilizați o versiune mai nouă a sistemului de operare. "
     "Pentru a muta Zarni pe un server cu un sistem de operare acceptat, urmați ghidul de migrare (https://www.zarni.example/en/121368)."},
    {"os_win2008r2_not_supported_product_not_installed",
     "Windows Server 2008 R2 nu mai este acceptat de Zarni. "
     "Conform politicii privind ciclul de viață Zarni (https://www.zarni.example/legal/lifecycle-policy/), vă recomandăm să utilizați o versiune mai nouă a sistemului de operare."},
};

}  // namespace

void loadInstallerMessages_ro_RO(Messages::messages_rep& catalogue)
{
    loadMessageTable(catalogue, kTable);
}
