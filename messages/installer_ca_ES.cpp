// Catalan texts of the installer messages, written over the English ones.
#include "messages/MessageLoaders.h"

namespace {

const MessagePair kTable[] = {
    {"Kitwright", "Zarni Installer"},
    {"usage_cmd_list_tail",
     "Exemples:\n"
     "  Llistar els productes disponibles:\n"
     "    list\n"
     "  Llistar les darreres versions disponibles de Zarni amb els nivells per defecte:\n"
     "    list %1%\n"
     "  Llistar totes les versions disponibles de Zarni:\n"
     "    list %1% all\n"
     "  Mostrar la darrera versió preliminar disponible de Zarni (amb el nivell 'testing'):\n"
     "    list %1% testing\n"
     "  Llistar els components de Zarni %2% (seleccionat per ID de producte i versió):\n"
     "    list %1% %2% --components\n"
     "  Llistar les configuracions predefinides de Zarni %2% (seleccionat per ID de versió):\n"
     "    list %3% --presets\n"},
    {"usage_cmd_install_tail",
     "Exemples:\n"
     "  Instal·lar el conjunt recomanat de components de la darrera versió\n"
     "  disponible per a tothom de Zarni:\n"
     "    install\n"
     "  Instal·lar la darrera versió preliminar disponible de Zarni:\n"
     "    install testing\n"
     "  Instal·lar Zarni %2% (seleccionat per versió):\n"
     "    install %1% %2%\n"
     "  Instal·lar el conjunt complet de components de Zarni sense suport per a Java\n"
     "  ni el webmail Horde (la versió se selecciona per ID):\n"
     "    install %3% --preset Full --without java horde\n"},
    {"usage_cmd_upgrade_tail",
     "Exemples:\n"
     "  Actualitzar a Zarni %2% (seleccionat per ID de producte i versió):\n"
     "    upgrade %1% %2%\n"
     "  Actualitzar a Zarni %2% (seleccionat per ID de versió):\n"
     "    upgrade %3%\n"
     "  Actualitzar a la darrera versió estable disponible de Zarni:\n"
     "    upgrade %1% stable\n"},
    {"usage_cmd_update_tail",
     "Exemples:\n"
     "  Instal·lar les darreres actualitzacions disponibles de tots els productes\n"
     "  instal·lats:\n"
     "    update\n"
     "  Actualitzar la instal·lació de Zarni:\n"
     "    update %1%\n"
     "  Instal·lar només les actualitzacions de Zarni, sense actualitzar els altres\n"
     "  serveis gestionats per Zarni si és possible (només per al producte '%1%'):\n"
     "    update --panel-only\n"},
    {"usage_selector",
     "Cada SELECTOR és un dels següents:\n"
     "  ID de producte,   p. ex. '%1%'\n"
     "  nivell de versió, p. ex. 'stable' o 'all' per a no filtrar per nivell\n"
     "  número de versió, p. ex. '%2%'\n"
     "  ID de versió,     p. ex. '%3%'\n"
     "\n"
     "Utilitzi l'ordre 'list' per a comprovar quins selectors són vàlids.\n"},
    {"usage_product",
     "PRODUCT és un selector d'ID de producte, p. ex. '%1%'.\n"
     "Utilitzi l'ordre 'list' per a comprovar quins ID de producte són vàlids.\n"},
    {"download_file", "Descarregant el fitxer "},
    {"download_total_progress", "(%s de %s) "},
    {"download_retry_progress", " (reintent %s de %s)"},
    {"download_retry", "%s. Es tornarà a intentar d'aquí a %s segon(s)..."},
    {"progress_stage_init", "Zarni Installer s'ha iniciat"},
    {"progress_stage_prep", "Preparant el sistema"},
    {"progress_stage_resolv", "Resolent els paquets"},
    {"progress_stage_download", "Descarregant els paquets"},
    {"dpkg_register_new_arch", "Registrant la compatibilitat amb l'arquitectura %s"},
    {"examine_unpassed", "La validació dels components i del producte ha detectat com a mínim un problema important:"},
    {"examine_post_results", "Resultats de la comprovació dels components i del producte:"},
    {"examine_signal", "La comprovació ha finalitzat a causa del senyal %s."},
    {"examine_time_limit", "La comprovació no ha acabat en %s segons i s'ha aturat."},
    {"check_system_packages", "Comprovant els paquets instal·lats... "},
    {"read_system_packages", "Obtenint la informació sobre els paquets instal·lats... "},
    {"status_not_locked", "Zarni Installer no s'està executant."},
    {"status_locked_by_another", "Un altre procés d'actualització ha bloquejat l'operació d'actualització."},
    {"status_daemon_launched", "El daemon de Zarni Installer ha estat iniciat."},
    {"status_busy", "Ja s'està executant una altra instància de Zarni Installer."},
    {"error_sys_stable", "No s'han instal·lat tots els paquets."},
    {"error_sys_unsure",
     "Important! No s'han instal·lat tots els paquets.\n"
     "Comprovi si els serveis del sistema funcionen."},
    {"error_sys_broken", "Important! És possible que el seu software no funcioni."},
    {"error_rep_none", ""},
    {"error_rep_again", "Torni a intentar instal·lar els paquets més tard."},
    {"error_supp_none", "Resolgui aquest problema i torni a intentar instal·lar els paquets."},
    {"components_allready_installed", "Ja té instal·lada la darrera versió dels productes i tots els components seleccionats. La instal·lació no continuarà."},
    {"releases_no_avail",
     "La instal·lació no continuarà perquè el seu sistema operatiu\n"
     "\"%s\" no és compatible.\n"
     "\n"
     "Consulti les notes de la versió de Zarni per a obtenir la llista completa\n"
     "de sistemes operatius compatibles.\n"},
    {"insttypes_page_hdr1", "Seleccioni el tipus d'instal·lació per a %s"},
    {"components_page_body2", "Seleccioni els components de %s que vol instal·lar:"},
    {"components_page_num_selected", "%s de %s components seleccionats"},
    {"options_page_body2", "Cal especificar els paràmetres de %s components.\n"},
    {"options_page_body5",
     "\n"
     "Component '%s': s'han definit tots els paràmetres obligatoris.\n"},
    {"packages_page_body_install",
     "Hi ha %s paquets necessaris perquè el producte funcioni correctament\n"
     "que no s'han trobat al sistema.\n"},
    {"packages_page_body_upgrade",
     "Hi ha %s paquets que cal actualitzar\n"
     "per a instal·lar el producte.\n"},
    {"packages_page_body_remove", "Hi ha %s paquets que estan instal·lats però que s'eliminaran.\n"},
    {"install_start", "Aplicant els canvis al sistema"},
    {"install_ok", "Els canvis s'han aplicat correctament."},
    {"err_send_mail", "No ha estat possible enviar l'informe d'instal·lació per correu electrònic."},
    {"err_read_prodsinfo", "No ha estat possible llegir la informació del producte del fitxer "},
    {"warn_deprecated_option", "Atenció! L'opció de línia d'ordres '%s' està obsoleta i s'ignorarà."},
    {"err_chk_md5", "No ha estat possible calcular la suma de verificació del fitxer "},
    {"new_build_avail", "Atenció! Hi ha una nova build del producte disponible al servidor."},
    {"added_comps_by_deps", "S'instal·laran els components següents perquè els requereixen els components que ha seleccionat:"},
    {"removed_comps_by_deps", "S'eliminaran els components següents perquè entren en conflicte amb els components que ha seleccionat per a instal·lar o perquè requereixen els components que ha seleccionat per a eliminar:"},
    {"err_dep_from_pkg_unresolved",
     "%s: No s'ha trobat cap solució adequada\n"
     "per a la dependència \"%s\".\n"},
    {"err_pkg_downgrade",
     "No és possible passar el paquet '%s' a la versió anterior %s:\n"
     "  actualment hi ha instal·lada la versió %s."},
    {"err_pkg_clash", "Els paquets \"%s\" i \"%s\" no es poden instal·lar alhora"},
    {"err_pkg_fileconfl", "a causa del conflicte amb el fitxer \"%s\""},
    {"err_pkg_depconfl", "perquè \"%s\" entra en conflicte amb \"%s\"."},
    {"pkg_select_reason", "S'ha escollit el paquet \"%s\" a causa de les dependències següents:"},
    {"pkg_select_depend", "   \"%s\" de \"%s\""},
    {"deps_report_head", "El següent podria causar l'error d'instal·lació:"},
    {"deps_long_report",
     "També s'han trobat altres problemes. Per a més detalls,\n"
     "consulti el fitxer de registre: %s.\n"},
    {"user_canceled", "Interromput per l'usuari"},
    {"goto_webinterface_url",
     "\n"
     "La interfície web s'ha iniciat.\n"
     "  Visiti %s amb el seu navegador.\n"
     "\n"},
    {"upgrade_from_not_supported_versions", "Només pot actualitzar %s a %s o a una versió anterior. Si desitja actualitzar a la darrera versió, consulti l'article següent: %s"},
    {"stop_already_stopped", "Zarni Installer no s'està executant."},
    {"stop_sent", "S'ha sol·licitat l'aturada de Zarni Installer."},
    {"download_completed", "ja descarregat"},
    {"download_done", "fet"},
    {"download_all_done", "S'han descarregat tots els fitxers."},
    {"download_ext_catalog_feed", "Descarregant el feed de l'Extensions Catalog..."},
    {"process_apt_get_update", "Actualitzant l'índex de paquets APT..."},
    {"question_continue", "Desitja continuar?"},
    {"question_show_settings",
     "Això pot ser degut a un problema amb l'origen d'instal·lació, la connexió o la configuració de l'instal·lador.\n"
     "L'instal·lador es tancarà a causa d'un error irrecuperable.\n"
     "Desitja veure la configuració actual de l'instal·lador i com canviar-la?"},
    {"examine_presetup", "Comprovant els components i el producte abans de la instal·lació"},
    {"examine_postsetup", "Comprovant els components i el producte després de la instal·lació"},
    {"examine_perform", "Comprovant els components i el producte..."},
    {"examine_skip_yesno",
     "Continuar amb la instal·lació o l'actualització sense resoldre els problemes\n"
     "trobats pot malmetre les seves dades.\n"},
    {"wizard_current_settings", "Configuració actual:"},
    {"yesno_retry", "Escrigui Y per a sí o N per a no"},
    {"message_press_enter", "(premi Enter per a continuar)"},
    {"releases_reporter_no_updates", "No hi ha actualitzacions disponibles."},
    {"releases_reporter_list_empty", "No hi ha productes disponibles per a instal·lar."},
    {"releases_page_hdr", "Productes i versions"},
    {"releases_page_body", "Hi ha disponibles les versions de producte següents:"},
    {"releases_no_selected", "No s'ha seleccionat cap versió de producte."},
    {"releases_upgrade_request1", "Té instal·lada la versió del producte "},
    {"releases_upgrade_request2",
     ".\n"
     "Desitja actualitzar-la?"},
    {"wizard_legend_header", "Accions disponibles:"},
    {"wizard_legend_f_forward", "(F) Anar endavant"},
    {"wizard_legend_b_back", "(B) Tornar enrere"},
    {"wizard_legend_q_quit", "(Q) Cancel·lar la instal·lació"},
    {"wizard_legend_s_advanced_settings", "(S) Mostrar la configuració avançada"},
    {"wizard_legend_a_select_all", "(A) Seleccionar-ho tot"},
    {"wizard_legend_d_deselect_all", "(D) Desseleccionar-ho tot"},
    {"wizard_legend_f_forward_specify_params", "(F) Anar endavant i especificar els paràmetres"},
    {"wizard_legend_f_forward_skip_params", "(F) Anar endavant sense canviar els paràmetres"},
    {"wizard_legend_u_specify_undefined_params", "(U) Anar endavant i especificar només els paràmetres no definits"},
    {"wizard_legend_r_redefine_params_all", "(R) Tornar a definir tots els paràmetres"},
    {"wizard_legend_r_redefine_params_one", "(R) Tornar a definir els paràmetres d'aquest component"},
    {"wizard_legend_s_show_packages", "(S) Mostrar la llista de paquets"},
    {"wizard_prompt_action", "Seleccioni una acció"},
    {"wizard_prompt_action_retry", "Escrigui un dels caràcters de la llegenda anterior"},
    {"wizard_prompt_action_or_number", "Seleccioni una acció o un número"},
    {"wizard_prompt_action_or_number_retry", "Escrigui un número o un caràcter d'acció de la llegenda anterior"},
    {"wizard_prompt_number", "Seleccioni un número"},
    {"wizard_prompt_number_retry", "Escrigui un dels números de la llista anterior"},
    {"hello_page_hdr", "Assistent d'instal·lació i actualització de Zarni"},
    {"hello_page_body",
     "Aquest assistent l'ajuda a instal·lar Zarni, a actualitzar-lo a una versió\n"
     "més recent i a afegir-ne o eliminar-ne components.\n"
     "\n"
     "------ IMPORTANT ------\n"
     "\n"
     "* Faci un backup de les seves dades abans d'actualitzar Zarni o d'eliminar-ne\n"
     "  algun component.\n"
     "\n"
     "* No interrompi la instal·lació mentre s'instal·len els paquets.\n"
     "\n"
     "* Zarni es distribueix sota l'acord de llicència d'usuari final de Zarni.\n"
     "  Llegeixi'n les condicions a http://www.zarni.example/legal/terms/ abans de\n"
     "  continuar: en instal·lar Zarni, les accepta.\n"},
    {"source_product_source", " Instal·lar els productes des de: "},
    {"source_target_dir", " Desar els fitxers descarregats a: "},
    {"source_from_zarni", "el servidor d'actualitzacions de Zarni"},
    {"source_from_network", "la ubicació de xarxa"},
    {"source_from_local", "el directori local"},
    {"proxy_no_proxy", " No utilitzar cap proxy"},
    {"proxy_no_auth", " No utilitzar l'autenticació del proxy"},
    {"proxy_proxy_host", " Utilitzar un proxy HTTP (amfitrió:port): "},
    {"proxy_auth", " Utilitzar l'autenticació del proxy, nom d'usuari: "},
    {"settings_download_retries", " Nombre de reintents d'una descàrrega fallida: "},
    {"settings_page_hdr", "Configuració avançada"},
    {"settings_page_body",
     "Aquesta configuració (ubicació dels paquets de distribució del producte,\n"
     "emmagatzematge dels fitxers descarregats, configuració del proxy i de les\n"
     "descàrregues) es pot definir a la línia d'ordres o al fitxer de configuració.\n"
     "\n"
     " Línia d'ordres             | Fitxer de configuració   | Resum\n"
     "----------------------------+--------------------------+------------------------\n"
     " --source <URL o ruta>      | SOURCE=<URL o ruta>      | origen d'instal·lació\n"
     " --target <dir>             | TARGET=<dir>             | directori de descàrrega\n"
     " --proxy-host <host>        | PROXY_HOST=<host>        | amfitrió del proxy\n"
     " --proxy-port <port>        | PROXY_PORT=<port>        | port del proxy\n"
     " --proxy-user <user>        | PROXY_USER=<user>        | usuari del proxy\n"
     " --proxy-password <pass>    | PROXY_PASSWORD=<pass>    | contrasenya del proxy\n"
     " --download-retry-count <N> | DOWNLOAD_RETRY_COUNT=<N> | reintents de descàrrega\n"
     "\n"
     "Els arguments de la línia d'ordres tenen prioritat sobre el fitxer de\n"
     "configuració. L'instal·lador llegeix el fitxer de configuració en iniciar-se;\n"
     "escrigui cada paràmetre en una línia pròpia, per exemple PROXY_PORT=3128.\n"},
    {"settings_page_cfg", "Ubicació del fitxer de configuració de l'instal·lador: "},
    {"insttypes_page_hdr", "Tipus d'instal·lació"},
    {"insttypes_page_body", "Un tipus d'instal·lació és un conjunt predefinit de components. Seleccioni'n un:"},
    {"components_page_hdr", "Llista de components principals"},
    {"components_page_hdr1", "Llista de components principals de "},
    {"components_page_body1", "Mostrar els components del producte:"},
    {"components_page_body3", "Seleccioni els components que vol instal·lar:"},
    {"components_page_bottom_toggle_components", "Introdueixi un número per a canviar l'estat del component corresponent."},
    {"components_page_bottom_toggle_groups", "Introdueixi un número per a canviar l'estat del component corresponent o veure el grup (marcat amb <+>)."},
    {"components_toggle_also", "Per a canviar l'estat d'aquest component també cal"},
    {"components_install_also", "instal·lar o actualitzar els components següents: "},
    {"components_install_remove_them", "Desitja fer-ho?"},
    {"components_remove_also", "eliminar els components següents: "},
    {"components_unmark_also", "desseleccionar els components següents: "},
    {"components_atleast_one", "Per a continuar, ha de seleccionar com a mínim un component."},
    {"components_deny_implicit_remove", "Per a eliminar aquest component o grup de components, primer cal eliminar els components que no es poden eliminar implícitament: "},
    {"components_group_toggle_also", "Per a canviar l'estat d'aquests components també cal"},
    {"components_group_deny_conflict", "No és possible canviar l'estat d'aquests components perquè es trencarien les dependències dels components següents: "},
    {"components_group_deny_conflict_suggestion", "Provi de canviar l'estat dels components d'un en un."},
    {"need_also_message", "Els components seleccionats requeriran la instal·lació de paquets dels components següents: \n"},
    {"need_also_remove_message", "Els components seleccionats requeriran l'eliminació de paquets dels components següents: \n"},
    {"options_page_hdr", "Paràmetres dels components"},
    {"options_page_body1", " components seleccionats per a instal·lar requereixen que especifiqui determinats paràmetres.\n"},
    {"options_page_body3", "Ara cal especificar tots els paràmetres obligatoris.\n"},
    {"options_page_body4", "Els paràmetres de tots aquests components ja estan definits.\n"},
    {"packages_page_hdr", "Canvis als paquets"},
    {"packages_no_reqpackages", "No cal instal·lar, actualitzar ni eliminar cap paquet."},
    {"install_remove", "Eliminant els paquets: "},
    {"install_again",
     "Atenció! S'ha publicat una nova build del producte mentre Zarni Installer instal·lava els paquets.\n"
     "Desitja instal·lar-la?"},
    {"install_install_package", "Instal·lant els paquets: "},
    {"checking_comps_status", "Detectant els components del producte instal·lats."},
    {"checking_deps", "Comprovant les dependències dels paquets..."},
    {"err_set_proxyvar", "No ha estat possible definir la variable d'entorn del proxy per al gestor de paquets."},
    {"err_no_librpm", "Error. No és possible carregar librpm, la biblioteca que llegeix la base de dades de paquets RPM."},
    {"err_no_pagers", "No s'ha trobat cap de les utilitats 'less' ni 'more'."},
    {"installling_pkgs", "Instal·lant els paquets"},
    {"installing_pkglist", "Instal·lant els paquets següents:"},
    {"warn_apt_cdrom_in_source",
     "Atenció! La llista d'orígens APT conté un origen de CD/DVD. Zarni Installer\n"
     "pot aturar-se i esperar el disc. Si el disc no està disponible, elimini les\n"
     "línies cdrom de /etc/apt/sources.list i dels fitxers de\n"
     "/etc/apt/sources.list.d/, i torni a executar la instal·lació."},
    {"retype_password", "Torni a escriure la contrasenya: "},
    {"webinterface_exit_by_timeout", " Zarni Installer s'ha tancat a causa d'un llarg període d'inactivitat."},
    {"ask_customer_feedback",
     "Desitja ajudar a millorar Zarni enviant informes d'error als desenvolupadors\n"
     "de Zarni quan es produeixi un problema?"},
    {"press_enter_to_exit", "Premi ENTER per a sortir ..."},
    {"comps_no_options", "Cap dels components llistats no té paràmetres."},
    {"options_select_all_IPs", "Seleccionar totes les adreces IP"},
    {"searching_need_pkgs", "Cercant els paquets necessaris..."},
    {"confirm_uninstallation", "Segur que desitja eliminar %s i tots els seus components?"},
    {"confirm_uninstallation_title", "Eliminació de %s"},
    {"cancel_uninstallation", "Cancel·lar l'eliminació"},
    {"error_supp_maybe",
     "Resolgui aquest problema i torni a intentar instal·lar els paquets.\n"
     "Pot cercar una solució al lloc de suport de Zarni, a https://support.zarni.example/"},
    {"usage_header",
     "Ús: installer [OPTIONS]\n"
     "\n"
     "Zarni Installer instal·la, actualitza i elimina productes de Zarni i els seus\n"
     "components. Si s'executa sense opcions, inicia l'assistent interactiu a la\n"
     "consola.\n"
     "\n"},
    {"usage_download",
     " Opcions de descàrrega:\n"
     "    --source <URL o ruta absoluta>\n"
     "                         Pren els productes del servidor d'actualitzacions o\n"
     "                         mirror indicat, o d'un directori local.\n"
     "                         Valors d'exemple:\n"
     "                           http://updates.zarni.example/\n"
     "                           http://mirror.zarni.example/zarni/\n"
     "                           /root/kestavine/mirror/\n"
     "\n"
     "    --target <dir>       Desa els fitxers descarregats al directori indicat.\n"
     "                         Valor d'exemple:\n"
     "                           /root/kestavine\n"
     "\n"
     "    --download-retry-count <number>\n"
     "                         Quantes vegades es torna a intentar una descàrrega\n"
     "                         fallida (per defecte: 3).\n"
     "\n"},
    {"usage_proxy",
     " Opcions del proxy:\n"
     "    --proxy-host <host>  Nom d'amfitrió o adreça IP del servidor proxy.\n"
     "\n"
     "    --proxy-port <port>  Port del servidor proxy (per defecte: 3128).\n"
     "\n"
     "    --proxy-user <user>  Nom d'usuari per a l'autenticació del proxy.\n"
     "\n"
     "    --proxy-password <password>\n"
     "                         Contrasenya per a l'autenticació del proxy.\n"
     "\n"},
    {"usage_selectors",
     " Opcions de selecció de producte i versió:\n"
     "    --select-product-id <product id>\n"
     "                         Selecciona el producte al qual fan referència les\n"
     "                         opcions que el segueixen. Triï la versió del producte\n"
     "                         amb una d'aquestes opcions:\n"
     "                           --select-release-id, --select-release-latest,\n"
     "                           --select-release-current\n"
     "\n"
     "    --select-release-id <release id>\n"
     "                         Selecciona la versió amb l'ID indicat.\n"
     "\n"
     "    --select-release-latest\n"
     "                         Selecciona la darrera versió disponible del producte.\n"
     "\n"
     "    --select-release-current\n"
     "                         Selecciona la versió instal·lada del producte.\n"
     "\n"
     "    --tier <tiers>       Ofereix només les versions dels nivells indicats, en\n"
     "                         una llista separada per comes com ara stable,testing.\n"
     "                         El valor per defecte és \"stable,release,current\".\n"
     "\n"
     "    --all-versions       No filtra les versions per nivell. Amb aquesta opció\n"
     "                         l'instal·lador ofereix les versions de tots els\n"
     "                         nivells, incloses les versions preliminars.\n"
     "\n"},
    {"usage_install",
     " Opcions d'instal·lació:\n"
     "    --installation-type <type name>\n"
     "                         Instal·la els components del tipus d'instal·lació\n"
     "                         indicat (per exemple, 'Recommended' o 'Full') de la\n"
     "                         versió seleccionada del producte.\n"
     "                         Exemples:\n"
     "                         1) els components recomanats de la darrera versió de Zarni:\n"
     "                           --select-product-id zarni --select-release-latest \\\n"
     "                           --installation-type Recommended\n"
     "                         2) tots els components de la versió ZARNI_12_5_30 de Zarni:\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --installation-type Full\n"
     "\n"
     "    --install-component <component id>\n"
     "                         Instal·la el component indicat de la versió\n"
     "                         seleccionada del producte. Repeteixi l'opció per a\n"
     "                         instal·lar diversos components.\n"
     "                         Exemples:\n"
     "                         1) afegir el webmail Horde al Zarni instal·lat:\n"
     "                           --select-product-id zarni --select-release-current \\\n"
     "                           --install-component horde\n"
     "                         2) instal·lar Zarni 12.5.30 amb el panell i Postfix:\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --install-component panel --install-component postfix\n"
     "\n"
     "    --set-option <setting_name>=<setting_value>\n"
     "                         Defineix un paràmetre d'un component del producte\n"
     "                         indicat per l'opció --select-product-id anterior.\n"
     "                         Repeteixi l'opció per a definir diversos paràmetres.\n"
     "\n"},
    {"usage_remove",
     " Opcions d'eliminació:\n"
     "    --remove-component <component id>\n"
     "                         Elimina el component indicat del producte seleccionat.\n"
     "                         Repeteixi l'opció per a eliminar diversos components.\n"
     "                         Exemples:\n"
     "                         1) eliminar el webmail Horde de Zarni:\n"
     "                           --select-product-id zarni --remove-component horde\n"
     "                         2) eliminar dos components alhora:\n"
     "                           --select-product-id zarni \\\n"
     "                           --remove-component horde \\\n"
     "                           --remove-component postfix\n"
     "\n"
     "    --remove-everything  Elimina tots els components del producte seleccionat,\n"
     "                         és a dir, elimina el mateix producte.\n"
     "                         Exemple (eliminar Zarni):\n"
     "                           --select-product-id zarni --remove-everything\n"
     "\n"
     "    --interactive-uninstall\n"
     "                         Juntament amb --remove-everything, espera que es premi\n"
     "                         Enter abans que Zarni Installer finalitzi.\n"
     "\n"},
    {"usage_upgrade",
     " Opcions d'actualització:\n"
     "    --upgrade-installed-components\n"
     "                         Actualitza els components instal·lats del producte\n"
     "                         seleccionat a la versió seleccionada.\n"
     "                         Exemples:\n"
     "                         1) instal·lar les darreres actualitzacions del Zarni instal·lat:\n"
     "                           --select-product-id zarni --select-release-current \\\n"
     "                           --upgrade-installed-components\n"
     "                         2) actualitzar Zarni a la versió ZARNI_12_5_30:\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --upgrade-installed-components\n"
     "\n"
     "    --include-components-from-class <class>\n"
     "                         Actualitza només els components instal·lats del\n"
     "                         producte seleccionat que pertanyen a la classe\n"
     "                         indicada, per exemple aspect=panel. Repeteixi l'opció\n"
     "                         per a indicar diverses classes.\n"
     "\n"},
    {"usage_no_warn",
     " Opcions de comprovació dels components:\n"
     "    --skip-components-check\n"
     "                         No executa les comprovacions dels components i del\n"
     "                         producte abans i després de la instal·lació. Zarni\n"
     "                         Installer executa aquestes comprovacions per a trobar\n"
     "                         problemes que podrien malmetre les seves dades, de\n"
     "                         manera que només les ha d'ometre si està segur que la\n"
     "                         instal·lació és segura.\n"
     "\n"},
    {"usage_list",
     " Opcions per a llistar productes, versions i components:\n"
     "    --show-releases      Llista les versions disponibles del producte\n"
     "                         seleccionat (Zarni si no se n'ha seleccionat cap), amb\n"
     "                         els seus ID de versió i nivells. Zarni Installer només\n"
     "                         llista les versions dels nivells \"stable\", \"release\" i\n"
     "                         \"current\", tret que utilitzi --all-versions o indiqui\n"
     "                         altres nivells amb --tier.\n"
     "\n"
     "    --show-all-releases  Llista tots els productes disponibles i les seves\n"
     "                         versions.\n"
     "\n"
     "    --show-os-list       Llista els sistemes operatius per als quals s'ha creat\n"
     "                         la versió seleccionada.\n"
     "\n"
     "    --show-installation-types\n"
     "                         Llista els tipus d'instal·lació de la versió\n"
     "                         seleccionada.\n"
     "\n"
     "    --show-components    Llista els components de la versió seleccionada i\n"
     "                         indica si cadascun està instal·lat, es pot actualitzar\n"
     "                         o està al dia. Utilitzi els ID de component que mostra\n"
     "                         amb --install-component i --remove-component.\n"
     "\n"
     "    --show-upgradable-components\n"
     "                         Llista només els components que es poden actualitzar.\n"
     "\n"
     "    --show-options       Juntament amb --show-components, mostra també els\n"
     "                         paràmetres de cada component. No es pot combinar amb\n"
     "                         --show-upgradable-components.\n"
     "\n"
     "    --show-packages      Juntament amb les opcions d'instal·lació, actualització\n"
     "                         o eliminació, només mostra els paquets que\n"
     "                         s'instal·larien [I], s'actualitzarien [U] o\n"
     "                         s'eliminarien [R], sense canviar res.\n"
     "\n"},
    {"usage_automation",
     " Opcions d'automatització:\n"
     "    --enable-xml-output  Mostra les respostes i els missatges d'estat en format\n"
     "                         XML, per a scripts i altres programes. Aleshores la\n"
     "                         instal·lació s'executa en segon pla.\n"
     "\n"
     "    --query-status       Mostra si Zarni Installer s'està executant i, si és\n"
     "                         així, l'etapa i el pas del seu treball. L'estat de la\n"
     "                         resposta és un dels següents:\n"
     "                           query_ok   - Zarni Installer no s'està executant\n"
     "                           query_busy - Zarni Installer s'està executant\n"
     "\n"
     "    --check-updates      Comprova si hi ha actualitzacions disponibles per al\n"
     "                         producte seleccionat (Zarni si no se n'ha seleccionat\n"
     "                         cap).\n"
     "                         Exemple:\n"
     "                           --select-product-id zarni --check-updates\n"
     "\n"
     "    --no-daemon          Amb --enable-xml-output, instal·la en primer pla i\n"
     "                         espera fins que acaba la instal·lació.\n"
     "\n"},
    {"usage_web",
     " Opcions de la interfície web:\n"
     "    --web-interface      Executa l'assistent d'instal·lació en un navegador web\n"
     "                         en lloc de la consola. L'assistent se serveix al port\n"
     "                         8447.\n"
     "\n"
     "    --ssl-cert <file.pem>\n"
     "                         Fitxer amb el certificat i la clau privada per a HTTPS.\n"
     "                         Per defecte es crea un certificat autosignat.\n"
     "\n"
     "    --without-ssl        Serveix la interfície web per HTTP sense xifrar.\n"
     "\n"},
    {"usage_override",
     " Opcions que substitueixen el sistema operatiu detectat:\n"
     "    --override-os-name <arg>\n"
     "                         Utilitza el nom del sistema operatiu indicat en lloc\n"
     "                         del detectat.\n"
     "\n"
     "    --override-os-vendor <arg>\n"
     "                         Utilitza el proveïdor del sistema operatiu indicat en\n"
     "                         lloc del detectat.\n"
     "\n"
     "    --override-os-version <arg>\n"
     "                         Utilitza la versió del sistema operatiu indicada en\n"
     "                         lloc de la detectada.\n"
     "\n"
     "    --override-os-arch <arg>\n"
     "                         Utilitza l'arquitectura indicada en lloc de la\n"
     "                         detectada.\n"
     "\n"
     "    --override-environment <arg>\n"
     "                         Utilitza l'entorn indicat en lloc del detectat:\n"
     "                         'dedicated' o 'cq'.\n"
     "\n"},
    {"usage_console",
     " Opcions de la interfície interactiva de consola:\n"
     "    --no-clear           No esborra la pantalla en passar d'una pàgina de\n"
     "                         l'assistent a una altra.\n"
     "\n"},
    {"usage_feedback",
     " Opcions de feedback:\n"
     "    --enable-feedback    Permet que Zarni Installer enviï un informe d'error als\n"
     "                         desenvolupadors de Zarni quan es produeixi un problema.\n"
     "\n"
     "    --disable-feedback   No envia informes d'error. Zarni Installer recorda\n"
     "                         l'elecció per a les execucions posteriors.\n"
     "\n"},
    {"usage_logging",
     " Opcions de registre i notificació:\n"
     "    --notify-email <email>\n"
     "                         Quan Zarni Installer acaba, envia un informe del\n"
     "                         resultat a l'adreça de correu electrònic indicada.\n"
     "\n"
     "    --truncate-log       Buida el fitxer de registre de Zarni Installer en\n"
     "                         iniciar-se.\n"
     "\n"
     "    --separate-logs      Escriu un fitxer de registre independent per a cada\n"
     "                         execució de Zarni Installer.\n"
     "\n"
     "    --debug              Escriu informació de depuració al fitxer de registre.\n"
     "\n"},
    {"usage_help",
     " Opcions d'ajuda i versió de Zarni Installer:\n"
     "    --version            Mostra la versió de Zarni Installer.\n"
     "\n"
     "    --usage,\n"
     "    --help               Mostra la descripció general de la interfície basada en\n"
     "                         ordres.\n"
     "\n"
     "    --help-options       Mostra aquesta ajuda sobre la interfície basada en\n"
     "                         opcions.\n"
     "\n"},
    {"usage_obsolete",
     " Opcions obsoletes:\n"
     "    --disable-zarni-sys-updates\n"
     "                         Desactivava les actualitzacions del sistema operatiu\n"
     "                         distribuïdes amb Zarni. Encara s'accepta, però ja no\n"
     "                         canvia el que s'instal·la.\n"
     "\n"
     "    --install-everything\n"
     "                         Instal·la tots els components de la versió seleccionada\n"
     "                         del producte. Utilitzi --installation-type 'Full' en\n"
     "                         lloc d'aquesta opció.\n"
     "\n"
     "    --branch <tiers>     El mateix que --tier.\n"
     "\n"
     "    --skip-branch-filter\n"
     "                         El mateix que --all-versions.\n"
     "\n"},
    {"usage_deprecated",
     " Opcions en desús (s'accepten, però s'ignoren amb un avís):\n"
     "    --source-type        Definia el tipus d'origen d'instal·lació. Ara el tipus\n"
     "                         es reconeix a partir del valor de --source.\n"
     "\n"
     "    --add-source         Afegia un origen de paquets addicional.\n"
     "\n"
     "    --show-additional-source-types\n"
     "                         Llistava els tipus d'orígens de paquets addicionals.\n"
     "\n"
     "    --show-additional-sources\n"
     "                         Llistava els orígens de paquets addicionals.\n"
     "\n"
     "    --mirror-os          Feia un mirror de les versions del producte per a un\n"
     "                         altre sistema operatiu.\n"
     "\n"
     "    --install-system-only\n"
     "                         Instal·lava només els paquets del sistema de Zarni\n"
     "                         Tenebrin.\n"
     "\n"
     "    --allow-kernel-install\n"
     "                         Permetia la instal·lació de paquets del nucli.\n"
     "\n"
     "    --disable-major-updates\n"
     "                         Impedia les actualitzacions a una nova versió\n"
     "                         principal. Seleccioni la versió que vol instal·lar amb\n"
     "                         --select-release-id o --select-release-current.\n"
     "\n"
     "    --upgrade-system-packages\n"
     "                         Actualitzava també els paquets del sistema operatiu.\n"
     "\n"
     "    --reinstall-patch    Tornava a instal·lar el darrer patch dels productes\n"
     "                         seleccionats. La interfície basada en ordres ignora\n"
     "                         --repatch de la mateixa manera.\n"
     "\n"
     "    --skip-patch         Ometia la instal·lació de patches. La interfície basada\n"
     "                         en ordres també l'ignora.\n"
     "\n"
     "    --no-space-check     Ometia la comprovació de l'espai lliure al disc.\n"
     "\n"},
    {"usage_end", "Vegi 'installer help' per a obtenir informació sobre la interfície basada en ordres.\n"},
    {"usage_commands",
     "Ús: installer COMMAND [OPTIONS]\n"
     "\n"
     "Ordres:\n"
     "    list      Llista els productes, versions, configuracions predefinides i\n"
     "              components disponibles\n"
     "    list-all  Llista tots els productes disponibles i les seves versions\n"
     "    install   Instal·la una versió d'un producte\n"
     "    update    Instal·la les darreres actualitzacions dels productes instal·lats\n"
     "    add       Afegeix components a un producte instal·lat\n"
     "    remove    Elimina components d'un producte instal·lat\n"
     "    upgrade   Actualitza un producte instal·lat a una altra versió\n"
     "    stop      Atura un Zarni Installer en execució\n"
     "    version   Mostra la versió de Zarni Installer\n"
     "    help      Mostra l'ajuda d'una ordre\n"
     "\n"
     "Vegi 'installer help COMMAND' per a obtenir ajuda sobre una ordre concreta.\n"
     "Vegi 'installer --help-options' per a obtenir ajuda sobre la interfície basada\n"
     "en opcions.\n"},
    {"usage_cmd_prefix", "Ús: installer "},
    {"usage_cmd_version", "Mostra la versió de Zarni Installer."},
    {"usage_cmd_help",
     "Sense COMMAND, llista les ordres. Amb COMMAND, mostra l'ajuda d'aquesta ordre;\n"
     "afegeixi --verbose (-v) per a veure'n més opcions."},
    {"usage_cmd_list_all", "Llista tots els productes disponibles i les seves versions."},
    {"usage_cmd_list",
     "Llista els productes i les versions disponibles. Per a una versió exacta (un ID\n"
     "de versió, o un ID de producte i una versió), llista les seves configuracions\n"
     "predefinides (--presets), els seus components (--components, amb els seus\n"
     "paràmetres si s'afegeix --options) o la configuració del gestor de paquets del\n"
     "sistema per a aquesta versió (--sources)."},
    {"usage_cmd_install",
     "Instal·la una versió d'un producte. Sense selectors, s'instal·la la darrera\n"
     "versió disponible de Zarni. Triï els components amb una configuració\n"
     "predefinida (--preset, que --with i --without ajusten) o indiqui'ls amb\n"
     "--components."},
    {"usage_cmd_upgrade",
     "Actualitza un producte instal·lat a una altra versió. Indiqui la versió pel seu\n"
     "ID de versió, per un ID de producte i una versió, o per un ID de producte i un\n"
     "nivell (es pren la darrera versió d'aquest nivell). Sense una versió exacta, es\n"
     "llisten les versions disponibles."},
    {"usage_cmd_update",
     "Instal·la les darreres actualitzacions de tots els productes instal·lats, o\n"
     "només de PRODUCT, sense actualitzar-los a una altra versió."},
    {"usage_cmd_add", "Afegeix components a un producte instal·lat."},
    {"usage_cmd_remove", "Elimina components d'un producte instal·lat."},
    {"usage_cmd_add_remove_tail", "El producte es pot ometre quan només hi ha un producte instal·lat.\n"},
    {"usage_cmd_stop",
     "Atura un Zarni Installer en execució. S'atura al següent punt segur; amb\n"
     "--terminate s'atura fins i tot mentre s'instal·len paquets."},
    {"usage_components",
     "COMPONENTS és una llista d'ID de components. Separi'ls amb espais o comes,\n"
     "o repeteixi l'opció:\n"
     "  --components panel horde\n"
     "  --components panel,horde\n"
     "  --components panel --components horde\n"},
    {"usage_verbose", "Afegeixi '--verbose' (o '-v') per a veure més opcions, '--verbose=2' per a veure-les totes."},
    {"usage_hdr_command_opts", "Opcions de l'ordre"},
    {"usage_hdr_general_opts", "Opcions generals"},
    {"usage_hdr_download_opts", "Opcions de descàrrega"},
    {"usage_hdr_proxy_opts", "Opcions del proxy"},
    {"usage_hdr_skip_opts", "Opcions per a ometre passos"},
    {"usage_hdr_env_opts", "Opcions per a substituir el sistema operatiu"},
    {"usage_opt_source", "Origen d'instal·lació: URL del servidor d'actualitzacions o d'un mirror, o ruta absoluta d'un directori local"},
    {"usage_opt_target", "Directori per als fitxers descarregats"},
    {"usage_opt_tries", "Nombre de reintents d'una descàrrega fallida (per defecte: 3)"},
    {"usage_opt_ext", "URL de l'Extensions Catalog que s'utilitzarà en lloc del que indica el producte"},
    {"usage_opt_proxy_host", "Nom d'amfitrió o adreça IP del servidor proxy"},
    {"usage_opt_proxy_port", "Port del servidor proxy (per defecte: 3128)"},
    {"usage_opt_proxy_user", "Nom d'usuari per a l'autenticació del proxy"},
    {"usage_opt_proxy_pass", "Contrasenya per a l'autenticació del proxy"},
    {"usage_opt_skip_examine", "No executar les comprovacions dels components i del producte abans i després de la instal·lació"},
    {"usage_opt_skip_gpg", "No verificar les signatures GPG dels paquets"},
    {"usage_opt_skip_cleanup", "Conservar la configuració dels repositoris de paquets quan l'instal·lador finalitzi"},
    {"usage_opt_no_self_upgrade", "No substituir Zarni Installer per una versió més nova o més antiga d'ell mateix"},
    {"usage_opt_help", "Mostrar l'ajuda de l'ordre"},
    {"usage_opt_xml", "Mostrar les respostes i els missatges d'estat en format XML"},
    {"usage_opt_debug", "Escriure informació de depuració al fitxer de registre"},
    {"usage_opt_truncate_log", "Buidar el fitxer de registre de Zarni Installer en iniciar-se"},
    {"usage_opt_separate_log", "Escriure un fitxer de registre independent per a cada execució de Zarni Installer"},
    {"usage_opt_email", "Quan Zarni Installer acabi, enviar un informe del resultat a aquesta adreça de correu electrònic"},
    {"usage_opt_verbose", "Mostrar més opcions a l'ajuda: 1 per a més opcions, 2 per a totes les opcions"},
    {"usage_opt_completion", "Mostrar les opcions de l'ordre per a la compleció de l'intèrpret d'ordres (JSON)"},
    {"usage_opt_override_os_name", "Nom del sistema operatiu que s'utilitzarà en lloc del detectat"},
    {"usage_opt_override_os_vendor", "Proveïdor del sistema operatiu que s'utilitzarà en lloc del detectat"},
    {"usage_opt_override_os_version", "Versió del sistema operatiu que s'utilitzarà en lloc de la detectada"},
    {"usage_opt_override_os_arch", "Arquitectura que s'utilitzarà en lloc de la detectada"},
    {"usage_opt_override_env", "Entorn que s'utilitzarà en lloc del detectat: 'dedicated' o 'cq'"},
    {"usage_opt_list_presets", "Llistar les configuracions predefinides d'instal·lació de la versió"},
    {"usage_opt_list_components", "Llistar els components de la versió"},
    {"usage_opt_list_options", "Amb --components, mostrar també els paràmetres de cada component"},
    {"usage_opt_dry_run", "No canviar res; només mostrar els paquets que s'instal·larien [I], s'actualitzarien [U] o s'eliminarien [R]"},
    {"usage_opt_install_preset", "Instal·lar els components d'aquesta configuració predefinida (tipus d'instal·lació), per exemple 'Recommended' o 'Full'"},
    {"usage_opt_install_with", "Components que s'instal·laran a més de la configuració predefinida"},
    {"usage_opt_install_without", "Components de la configuració predefinida que no s'instal·laran"},
    {"usage_opt_install_components", "Components que s'instal·laran, en lloc d'una configuració predefinida"},
    {"usage_opt_install_options", "Paràmetres dels components, cadascun com a nom=valor"},
    {"usage_opt_update_panel_only", "Instal·lar només les actualitzacions del mateix Zarni, no dels altres serveis que gestiona Zarni"},
    {"usage_opt_addremove_components", "Components que s'afegiran o s'eliminaran"},
    {"usage_opt_stop_terminate", "Aturar Zarni Installer fins i tot mentre s'instal·len paquets (enviar SIGTERM en lloc de SIGHUP)"},
    {"error_supp_need", "Pot cercar una solució al lloc de suport de Zarni, a https://support.zarni.example/"},
    {"os_win2003_not_supported", "Zarni ja no és compatible amb Windows Server 2003. Segons la política de cicle de vida de Zarni (https://www.zarni.example/legal/lifecycle-policy/), li recomanem que utilitzi una versió més recent del sistema operatiu."},
    {"os_win2008_not_supported_product_installed", "Zarni ja no és compatible amb Windows Server 2008. Segons la política de cicle de vida de Zarni (https://www.zarni.example/legal/lifecycle-policy/), li recomanem que utilitzi una versió més recent del sistema operatiu. Per a traslladar Zarni a un servidor amb un sistema operatiu compatible, segueixi la guia de migració (https://www.zarni.example/en/121368)."},
    {"os_win2008_not_supported_product_not_installed", "Zarni ja no és compatible amb Windows Server 2008. Segons la política de cicle de vida de Zarni (https://www.zarni.example/legal/lifecycle-policy/), li recomanem que utilitzi una versió més recent del sistema operatiu."},
    {"os_win2008r2_not_supported_product_installed", "Zarni ja no és compatible amb Windows Server 2008 R2. Segons la política de cicle de vida de Zarni (https://www.zarni.example/legal/lifecycle-policy/), li recomanem que utilitzi una versió més recent del sistema operatiu. Per a traslladar Zarni a un servidor amb un sistema operatiu compatible, segueixi la guia de migració (https://www.zarni.example/en/121368)."},
    {"os_win2008r2_not_supported_product_not_installed", "Zarni ja no és compatible amb Windows Server 2008 R2. Segons la política de cicle de vida de Zarni (https://www.zarni.example/legal/lifecycle-policy/), li recomanem que utilitzi una versió més recent del sistema operatiu."},
};

}  // namespace

void loadInstallerMessages_ca_ES(Messages::messages_rep& catalogue)
{
    loadMessageTable(catalogue, kTable);
}
