// Norwegian (Bokmål) texts of the installer messages.
// Loaded after the English table, so each text here replaces the English text of its key;
// the English-only keys are left out and keep their English texts.
#include "messages/MessageLoaders.h"

namespace {

const MessagePair kTable[] = {
    {"Kitwright", "Zarni Installer"},
    {"usage_cmd_list_tail",
     "Eksempler:\n"
     "  Vis tilgjengelige produkter:\n"
     "   list\n"
     "  Vis de nyeste tilgjengelige Zarni-utgivelsene med standard versjonsnivåer:\n"
     "   list %1%\n"
     "  Vis alle tilgjengelige Zarni-utgivelser:\n"
     "   list %1% all\n"
     "  Vis den nyeste tilgjengelige forhåndsversjonen av Zarni (nivået 'testing'):\n"
     "   list %1% testing\n"
     "  Vis komponentene i Zarni %2% (valgt med produkt-ID og versjon):\n"
     "   list %1% %2% --components\n"
     "  Vis installasjonsforhåndsvalgene i Zarni %2% (valgt med utgivelses-ID):\n"
     "   list %3% --presets\n"},
    {"usage_cmd_install_tail",
     "Eksempler:\n"
     "  Installer det anbefalte settet med komponenter i den nyeste allment\n"
     "  tilgjengelige utgivelsen av Zarni:\n"
     "   install\n"
     "  Installer den nyeste tilgjengelige forhåndsversjonen av Zarni:\n"
     "   install testing\n"
     "  Installer Zarni %2% (valgt med versjon):\n"
     "   install %1% %2%\n"
     "  Installer hele settet med Zarni-komponenter uten Java-støtte og Horde-webmail\n"
     "  (utgivelsen er valgt med ID):\n"
     "   install %3% --preset Full --without java horde\n"},
    {"usage_cmd_upgrade_tail",
     "Eksempler:\n"
     "  Oppgrader til Zarni %2% (valgt med produkt-ID og versjon):\n"
     "   upgrade %1% %2%\n"
     "  Oppgrader til Zarni %2% (valgt med utgivelses-ID):\n"
     "   upgrade %3%\n"
     "  Oppgrader til den nyeste tilgjengelige stabile Zarni-utgivelsen:\n"
     "   upgrade %1% stable\n"},
    {"usage_cmd_update_tail",
     "Eksempler:\n"
     "  Installer de nyeste oppdateringene for alle installerte produkter:\n"
     "   update\n"
     "  Oppdater Zarni-installasjonen:\n"
     "   update %1%\n"
     "  Installer bare Zarni-oppdateringer, ikke oppdater andre tjenester som Zarni\n"
     "  administrerer, hvis mulig (gjelder bare produktet '%1%'):\n"
     "   update --panel-only\n"},
    {"usage_selector",
     "Hver SELECTOR er én av følgende:\n"
     "  produkt-ID,        f.eks. '%1%'\n"
     "  versjonsnivå,     f.eks. 'stable', eller 'all' for ikke å filtrere på nivå\n"
     "  versjon,          f.eks. '%2%'\n"
     "  utgivelses-ID,    f.eks. '%3%'\n"
     "\n"
     "Bruk kommandoen “list” for å kontrollere hvilke velgere som er gyldige.\n"},
    {"usage_product",
     "PRODUCT er en produkt-ID-velger, f.eks. '%1%'.\n"
     "Bruk kommandoen “list” for å kontrollere hvilke produkt-ID-er som er gyldige.\n"},
    {"download_file", "Laster ned filen "},
    {"download_total_progress", "(%s av %s) "},
    {"download_retry_progress", " (nytt forsøk %s av %s)"},
    {"download_retry", "%s. Prøver på nytt om %s sekund(er)..."},
    {"progress_stage_init", "Zarni Installer ble startet"},
    {"progress_stage_prep", "Klargjør systemet"},
    {"progress_stage_resolv", "Løser pakkeavhengigheter"},
    {"progress_stage_download", "Laster ned pakker"},
    {"dpkg_register_new_arch", "Registrerer støtte for arkitekturen %s"},
    {"examine_unpassed", "Valideringen av komponenter og produkt fant minst ett viktig problem:"},
    {"examine_post_results", "Resultater av kontrollen av komponenter og produkt:"},
    {"examine_signal", "Kontrollen ble avsluttet av signalet %s."},
    {"examine_time_limit", "Kontrollen ble ikke ferdig innen %s sekunder og ble stoppet."},
    {"check_system_packages", "Ser etter installerte pakker... "},
    {"read_system_packages", "Henter informasjon om de installerte pakkene... "},
    {"status_not_locked", "Zarni Installer kjører ikke."},
    {"status_locked_by_another", "Oppdateringen ble låst av en annen oppdateringsprosess."},
    {"status_daemon_launched", "Bakgrunnsprosessen til Zarni Installer ble startet."},
    {"status_busy", "En annen forekomst av Zarni Installer kjører allerede."},
    {"error_sys_stable", "Ikke alle pakkene ble installert."},
    {"error_sys_unsure", "Advarsel! Ikke alle pakkene ble installert.\nKontroller at systemtjenestene dine fungerer."},
    {"error_sys_broken", "OBS! Programvaren din fungerer kanskje ikke."},
    {"error_rep_none", ""},
    {"error_rep_again", "Prøv å installere pakkene på nytt senere."},
    {"error_supp_none", "Løs dette problemet, og prøv å installere pakkene på nytt."},
    {"components_allready_installed", "Du har allerede den nyeste versjonen av produktet eller produktene og alle de valgte komponentene installert. Installasjonen fortsetter ikke."},
    {"releases_no_avail",
     "Installasjonen fortsetter ikke fordi operativsystemet ditt\n"
     "\"%s\" ikke støttes.\n"
     "\n"
     "Se utgivelsesmerknadene for Zarni for en fullstendig liste\n"
     "over støttede operativsystemer.\n"},
    {"insttypes_page_hdr1", "Velg installasjonstypen for %s"},
    {"components_page_body2", "Velg komponentene i %s som du vil installere:"},
    {"components_page_num_selected", "%s av %s komponenter er valgt"},
    {"options_page_body2", "Parametere for %s komponenter må angis.\n"},
    {"options_page_body5", "\nKomponent '%s': alle påkrevde parametere er angitt.\n"},
    {"packages_page_body_install",
     "Det finnes %s pakker som produktet trenger for å fungere riktig, og som\n"
     "ikke ble funnet på systemet ditt.\n"},
    {"packages_page_body_upgrade",
     "Det finnes %s pakker som må oppgraderes\n"
     "for å installere produktet.\n"},
    {"packages_page_body_remove", "Det finnes %s pakker som er installert, men som blir fjernet.\n"},
    {"install_start", "Bruker endringene på systemet"},
    {"install_ok", "Endringene ble brukt."},
    {"err_send_mail", "Advarsel: Kunne ikke sende installasjonsrapporten på e-post."},
    {"err_read_prodsinfo", "Kunne ikke lese produktinformasjon fra filen "},
    {"warn_deprecated_option", "ADVARSEL: Kommandolinjealternativet '%s' er utfaset og blir ignorert."},
    {"err_chk_md5", "Kunne ikke beregne en kontrollsum for filen "},
    {"new_build_avail", "Advarsel: Et nytt produktbygg er tilgjengelig på serveren."},
    {"added_comps_by_deps", "Følgende komponenter blir installert fordi komponentene du valgte, krever dem:"},
    {"removed_comps_by_deps", "Følgende komponenter blir fjernet fordi de er i konflikt med komponentene du valgte å installere, eller krever komponentene du valgte å fjerne:"},
    {"err_dep_from_pkg_unresolved", "%s: Fant ingen passende løsninger\nfor avhengigheten \"%s\".\n"},
    {"err_pkg_downgrade", "Kan ikke nedgradere pakken '%s' til versjon %s:\nversjon %s er installert nå."},
    {"err_pkg_clash", "Pakkene \"%s\" og \"%s\" kan ikke installeres samtidig"},
    {"err_pkg_fileconfl", "på grunn av konflikten med filen \"%s\""},
    {"err_pkg_depconfl", "fordi \"%s\" er i konflikt med \"%s\"."},
    {"pkg_select_reason", "Pakken \"%s\" ble valgt på grunn av følgende avhengigheter:"},
    {"pkg_select_depend", " \"%s\" fra \"%s\""},
    {"deps_report_head", "Følgende kan føre til at installasjonen mislykkes:"},
    {"deps_long_report", "Det oppstod også andre problemer. Du finner detaljer\ni loggfilen: %s.\n"},
    {"user_canceled", "Avbrutt av brukeren"},
    {"goto_webinterface_url", "\nWebgrensesnittet er startet.\nGå til %s i nettleseren.\n\n"},
    {"upgrade_from_not_supported_versions", "Du kan bare oppgradere %s til %s eller tidligere. Hvis du vil oppgradere til den nyeste versjonen, kan du lese følgende artikkel: %s"},
    {"stop_already_stopped", "Zarni Installer kjører ikke."},
    {"stop_sent", "Ba om at Zarni Installer avsluttes."},
    {"download_completed", "allerede lastet ned"},
    {"download_done", "ferdig"},
    {"download_all_done", "Alle filene ble lastet ned."},
    {"download_ext_catalog_feed", "Laster ned feeden fra Extensions Catalog..."},
    {"process_apt_get_update", "Oppdaterer APT-pakkeindeksen..."},
    {"question_continue", "Vil du fortsette?"},
    {"question_show_settings",
     "Dette kan skyldes et problem med installasjonskilden, tilkoblingen din eller innstillingene for installasjonsprogrammet.\n"
     "Installasjonsprogrammet avsluttes på grunn av en uopprettelig feil.\n"
     "Vil du se de gjeldende innstillingene for installasjonsprogrammet og hvordan du endrer dem?"},
    {"examine_presetup", "Kontrollerer komponentene og produktet før installasjonen"},
    {"examine_postsetup", "Kontrollerer komponentene og produktet etter installasjonen"},
    {"examine_perform", "Kontrollerer komponentene og produktet..."},
    {"examine_skip_yesno",
     "Hvis du fortsetter installasjonen eller oppgraderingen uten å løse problemene\n"
     "som ble funnet, kan dataene dine bli ødelagt.\n"},
    {"wizard_current_settings", "Gjeldende innstillinger:"},
    {"yesno_retry", "Skriv Y for ja eller N for nei"},
    {"message_press_enter", "(trykk Enter for å fortsette)"},
    {"releases_reporter_no_updates", "Ingen oppdateringer er tilgjengelige."},
    {"releases_reporter_list_empty", "Ingen produkter er tilgjengelige for installasjon."},
    {"releases_page_hdr", "Produkter og versjoner"},
    {"releases_page_body", "Følgende produktversjoner er tilgjengelige:"},
    {"releases_no_selected", "Ingen produktversjon ble valgt."},
    {"releases_upgrade_request1", "Du har produktversjonen "},
    {"releases_upgrade_request2",
     " installert.\n"
     "Vil du oppgradere den?"},
    {"wizard_legend_header", "Tilgjengelige handlinger:"},
    {"wizard_legend_f_forward", "(F) Gå videre"},
    {"wizard_legend_b_back", "(B) Gå tilbake"},
    {"wizard_legend_q_quit", "(Q) Avbryt installasjonen"},
    {"wizard_legend_s_advanced_settings", "(S) Vis avanserte innstillinger"},
    {"wizard_legend_a_select_all", "(A) Velg alle"},
    {"wizard_legend_d_deselect_all", "(D) Fjern alle valg"},
    {"wizard_legend_f_forward_specify_params", "(F) Gå videre og angi parametere"},
    {"wizard_legend_f_forward_skip_params", "(F) Gå videre uten å endre parametere"},
    {"wizard_legend_u_specify_undefined_params", "(U) Gå videre og angi bare parametere som ikke er angitt"},
    {"wizard_legend_r_redefine_params_all", "(R) Angi alle parametere på nytt"},
    {"wizard_legend_r_redefine_params_one", "(R) Angi parameterne for denne komponenten på nytt"},
    {"wizard_legend_s_show_packages", "(S) Vis listen over pakker"},
    {"wizard_prompt_action", "Velg en handling"},
    {"wizard_prompt_action_retry", "Skriv ett av tegnene fra forklaringen ovenfor"},
    {"wizard_prompt_action_or_number", "Velg en handling eller et nummer"},
    {"wizard_prompt_action_or_number_retry", "Skriv et nummer eller tegnet for en handling fra forklaringen ovenfor"},
    {"wizard_prompt_number", "Velg et nummer"},
    {"wizard_prompt_number_retry", "Skriv ett av numrene fra listen ovenfor"},
    {"hello_page_hdr", "Zarni Installation and Upgrade Wizard"},
    {"hello_page_body",
     "Denne veiviseren hjelper deg med å installere Zarni, oppgradere til en nyere\n"
     "utgivelse og legge til eller fjerne komponenter.\n"
     "\n"
     "------ VIKTIG ------\n"
     "\n"
     "* Ta sikkerhetskopi av dataene før du oppgraderer Zarni eller fjerner noen av\n"
     "  komponentene.\n"
     "\n"
     "* Ikke avbryt installasjonen mens pakkene installeres.\n"
     "\n"
     "* Zarni distribueres under Zarni End User Lisensavtale. Les vilkårene på\n"
     "  http://www.zarni.example/legal/terms/ før du fortsetter: ved å installere\n"
     "  Zarni godtar du dem.\n"},
    {"source_product_source", " Installer produkter fra: "},
    {"source_target_dir", " Lagre nedlastede filer i: "},
    {"source_from_zarni", "oppdateringsserveren til Zarni"},
    {"source_from_network", "nettverksplasseringen"},
    {"source_from_local", "den lokale katalogen"},
    {"proxy_no_proxy", " Ikke bruk proxy"},
    {"proxy_no_auth", " Ikke bruk proxy-godkjenning"},
    {"proxy_proxy_host", " Bruk HTTP-proxy (vert:port): "},
    {"proxy_auth", " Bruk proxy-godkjenning, brukernavn: "},
    {"settings_download_retries", " Antall nye forsøk for en mislykket nedlasting: "},
    {"settings_page_hdr", "Avanserte innstillinger"},
    {"settings_page_body",
     "Disse innstillingene (plasseringen av produktets distribusjonspakker, lagring av\n"
     "nedlastede filer, proxy-innstillinger, nedlastingsinnstillinger) kan angis\n"
     "enten på kommandolinjen eller i konfigurasjonsfilen.\n"
     "\n"
     " Kommandolinje              | Konfigurasjonsfil        | Sammendrag\n"
     "----------------------------+--------------------------+--------------------\n"
     " --source <URL eller sti>   | SOURCE=<URL eller sti>   | installasjonskilde\n"
     " --target <dir>             | TARGET=<dir>             | nedlastingskatalog\n"
     " --proxy-host <vert>        | PROXY_HOST=<vert>        | proxy-vert\n"
     " --proxy-port <port>        | PROXY_PORT=<port>        | proxy-port\n"
     " --proxy-user <bruker>      | PROXY_USER=<bruker>      | proxy-brukernavn\n"
     " --proxy-password <pass>    | PROXY_PASSWORD=<pass>    | proxy-passord\n"
     " --download-retry-count <N> | DOWNLOAD_RETRY_COUNT=<N> | nye forsøk\n"
     "\n"
     "Argumenter på kommandolinjen går foran konfigurasjonsfilen. Installasjons-\n"
     "programmet leser konfigurasjonsfilen når det starter. Skriv hver innstilling\n"
     "på en egen linje, for eksempel PROXY_PORT=3128.\n"},
    {"settings_page_cfg", "Plassering av konfigurasjonsfilen for installasjonsprogrammet: "},
    {"insttypes_page_hdr", "Installasjonstyper"},
    {"insttypes_page_body", "En installasjonstype er et forhåndsdefinert sett med komponenter. Velg én av dem:"},
    {"components_page_hdr", "Liste over hovedkomponenter"},
    {"components_page_hdr1", "Liste over hovedkomponenter for "},
    {"components_page_body1", "Vis komponenter for produktet:"},
    {"components_page_body3", "Velg komponentene du vil installere:"},
    {"components_page_bottom_toggle_components", "Skriv inn et nummer for å slå den tilsvarende komponenten av eller på."},
    {"components_page_bottom_toggle_groups",
     "Skriv inn et nummer for å slå den tilsvarende komponenten av eller på, eller for å vise gruppen (merket med <+>)."},
    {"components_toggle_also", "For å endre tilstanden til denne komponenten må du også"},
    {"components_install_also", "installere eller oppgradere følgende komponenter: "},
    {"components_install_remove_them", "Vil du gjøre dette?"},
    {"components_remove_also", "fjerne følgende komponenter: "},
    {"components_unmark_also", "fjerne valget av følgende komponenter: "},
    {"components_atleast_one", "Du må velge minst én komponent for å fortsette."},
    {"components_deny_implicit_remove",
     "For å fjerne denne komponenten eller komponentgruppen må du først fjerne komponenter som ikke kan fjernes implisitt: "},
    {"components_group_toggle_also", "For å endre tilstanden til disse komponentene må du også"},
    {"components_group_deny_conflict",
     "Tilstanden til disse komponentene kan ikke endres, siden det ville bryte avhengighetene for følgende komponenter: "},
    {"components_group_deny_conflict_suggestion", "Prøv å endre komponentene én om gangen i stedet."},
    {"need_also_message", "Komponentene du valgte, krever installasjon av pakker fra følgende komponenter: \n"},
    {"need_also_remove_message", "Komponentene du valgte, krever fjerning av pakker fra følgende komponenter: \n"},
    {"options_page_hdr", "Komponentparametere"},
    {"options_page_body1", " komponenter som er valgt for installasjon, krever at du angir visse parametere.\n"},
    {"options_page_body3", "Du må angi alle påkrevde parametere nå.\n"},
    {"options_page_body4", "Parameterne for alle disse komponentene er allerede angitt.\n"},
    {"packages_page_hdr", "Pakkeendringer"},
    {"packages_no_reqpackages", "Ingen pakker må installeres, oppgraderes eller fjernes."},
    {"install_remove", "Fjerner pakker: "},
    {"install_again",
     "Merk: Et nytt produktbygg ble utgitt mens Zarni Installer installerte pakkene.\n"
     "Vil du installere det?"},
    {"install_install_package", "Installerer pakker: "},
    {"checking_comps_status", "Finner installerte produktkomponenter."},
    {"checking_deps", "Kontrollerer pakkeavhengigheter..."},
    {"err_set_proxyvar", "Advarsel: Kunne ikke angi proxy-miljøvariabelen for pakkebehandleren."},
    {"err_no_librpm", "Feil: Kan ikke laste inn librpm, biblioteket som leser RPM-pakkedatabasen."},
    {"err_no_pagers", "Advarsel: Fant verken verktøyet 'less' eller 'more'."},
    {"installling_pkgs", "Installerer pakker"},
    {"installing_pkglist", "Installerer følgende pakker:"},
    {"warn_apt_cdrom_in_source",
     "Advarsel: APT-kildelisten din inneholder en CD/DVD-kilde. Zarni Installer kan\n"
     "stoppe og vente på platen. Hvis platen ikke er tilgjengelig, fjerner du\n"
     "cdrom-linjene fra /etc/apt/sources.list og filene i /etc/apt/sources.list.d/\n"
     "og kjører installasjonen på nytt."},
    {"retype_password", "Skriv inn passordet på nytt: "},
    {"webinterface_exit_by_timeout", " Zarni Installer ble lukket etter en lang periode uten aktivitet."},
    {"ask_customer_feedback",
     "Vil du hjelpe til med å forbedre Zarni ved å sende feilrapporter til\n"
     "Zarni-utviklerne når det oppstår et problem?"},
    {"press_enter_to_exit", "Trykk ENTER for å avslutte ..."},
    {"comps_no_options", "Ingen av komponentene i listen har innstillinger."},
    {"options_select_all_IPs", "Velg alle IP-adresser"},
    {"searching_need_pkgs", "Søker etter de nødvendige pakkene..."},
    {"confirm_uninstallation", "Vil du virkelig fjerne %s og alle komponentene?"},
    {"confirm_uninstallation_title", "Fjerning av %s"},
    {"cancel_uninstallation", "Avbryt fjerningen"},
    {"error_supp_maybe",
     "Løs dette problemet, og prøv å installere pakkene på nytt.\n"
     "Du kan søke etter en løsning på Zarnis støtteside på https://support.zarni.example/"},
    {"usage_header",
     "Bruk: installer [ALTERNATIVER]\n"
     "\n"
     "Zarni Installer installerer, oppgraderer og fjerner Zarni-produkter og\n"
     "komponentene deres. Uten alternativer starter den den interaktive veiviseren\n"
     "i konsollen.\n"
     "\n"},
    {"usage_download",
     " Nedlastingsalternativer:\n"
     "    --source <URL eller absolutt bane>\n"
     "                         Hent produktene fra den angitte oppdateringsserveren\n"
     "                         eller speilet, eller fra en lokal katalog.\n"
     "                         Eksempelverdier:\n"
     "                          http://updates.zarni.example/\n"
     "                          http://mirror.zarni.example/zarni/\n"
     "                          /root/kestavine/mirror/\n"
     "\n"
     "    --target <dir>        Lagre de nedlastede filene i den angitte katalogen.\n"
     "                         Eksempelverdi:\n"
     "                          /root/kestavine\n"
     "\n"
     "    --download-retry-count <nummer>\n"
     "                         Hvor mange ganger en mislykket nedlasting prøves på\n"
     "                         nytt (standard: 3).\n"
     "\n"},
    {"usage_proxy",
     " Proxy-alternativer:\n"
     "    --proxy-host <host>   Vertsnavn eller IP-adresse for proxyserveren.\n"
     "\n"
     "    --proxy-port <port>   Port for proxyserveren (standard: 3128).\n"
     "\n"
     "    --proxy-user <user>   Brukernavn for proxy-godkjenning.\n"
     "\n"
     "    --proxy-password <password>\n"
     "                         Passord for proxy-godkjenning.\n"
     "\n"},
    {"usage_selectors",
     " Alternativer for valg av produkt og utgivelse:\n"
     "    --select-product-id <produkt-id>\n"
     "                         Velg produktet som de etterfølgende alternativene\n"
     "                         gjelder. Velg utgivelsen av produktet med ett av\n"
     "                         disse alternativene:\n"
     "                          --select-release-id, --select-release-latest,\n"
     "                          --select-release-current\n"
     "\n"
     "    --select-release-id <versjon-id>\n"
     "                         Velg utgivelsen med den angitte ID-en.\n"
     "\n"
     "    --select-release-latest\n"
     "                         Velg den nyeste tilgjengelige utgivelsen av produktet.\n"
     "\n"
     "    --select-release-current\n"
     "                         Velg den installerte utgivelsen av produktet.\n"
     "\n"
     "    --tier <versjonsnivåer>       Tilby bare utgivelser på de angitte\n"
     "                         versjonsnivåene, en kommadelt liste som\n"
     "                         stable,testing. Standard er \"stable,release,current\".\n"
     "\n"
     "    --all-versions      Ikke filtrer utgivelsene etter versjonsnivå. Med dette\n"
     "                         alternativet tilbyr installasjonsprogrammet\n"
     "                         utgivelsene på alle nivåer, også forhåndsversjoner.\n"
     "\n"},
    {"usage_install",
     " Installasjonsalternativer:\n"
     "    --installation-type <typenavn>\n"
     "                         Installer komponentene i den angitte installasjons-\n"
     "                         typen (for eksempel 'Recommended' eller 'Full') for\n"
     "                         den valgte produktutgivelsen.\n"
     "                         Eksempler:\n"
     "                         1) de anbefalte komponentene i nyeste Zarni:\n"
     "                             --select-product-id zarni --select-release-latest \\\n"
     "                             --installation-type Recommended\n"
     "                         2) alle komponentene i Zarni-utgivelsen ZARNI_12_5_30:\n"
     "                             --select-product-id zarni \\\n"
     "                             --select-release-id ZARNI_12_5_30 \\\n"
     "                             --installation-type Full\n"
     "\n"
     "    --install-component <komponent-id>\n"
     "                         Installer den angitte komponenten i den valgte\n"
     "                         produktutgivelsen. Gjenta alternativet for å\n"
     "                         installere flere komponenter.\n"
     "                         Eksempler:\n"
     "                         1) legg til Horde-webmail i den installerte Zarni:\n"
     "                             --select-product-id zarni --select-release-current \\\n"
     "                             --install-component horde\n"
     "                         2) installer Zarni 12.5.30 med panelet og Postfix:\n"
     "                             --select-product-id zarni \\\n"
     "                             --select-release-id ZARNI_12_5_30 \\\n"
     "                             --install-component panel --install-component postfix\n"
     "\n"
     "    --set-option <setting_name>=<setting_value>\n"
     "                         Angi en komponentinnstilling for produktet som er\n"
     "                         angitt med --select-product-id foran. Gjenta\n"
     "                         alternativet for å angi flere innstillinger.\n"
     "\n"},
    {"usage_remove",
     " Alternativer for fjerning:\n"
     "    --remove-component <komponent-id>\n"
     "                         Fjern den angitte komponenten i det valgte produktet.\n"
     "                         Gjenta alternativet for å fjerne flere komponenter.\n"
     "                         Eksempler:\n"
     "                         1) fjern Horde-webmail fra Zarni:\n"
     "                             --select-product-id zarni --remove-component horde\n"
     "                         2) fjern to komponenter samtidig:\n"
     "                             --select-product-id zarni \\\n"
     "                             --remove-component horde \\\n"
     "                             --remove-component postfix\n"
     "\n"
     "    --remove-everything   Fjern alle komponentene i det valgte produktet, det\n"
     "                         vil si fjern selve produktet.\n"
     "                         Eksempel (fjern Zarni):\n"
     "                          --select-product-id zarni --remove-everything\n"
     "\n"
     "    --interactive-uninstall\n"
     "                         Sammen med --remove-everything: vent på Enter før\n"
     "                         Zarni Installer avsluttes.\n"
     "\n"},
    {"usage_upgrade",
     " Oppgraderingsalternativer:\n"
     "    --upgrade-installed-components\n"
     "                         Oppgrader de installerte komponentene i det valgte\n"
     "                         produktet til den valgte utgivelsen.\n"
     "Eksempler:\n"
     "                         1) installer de nyeste oppdateringene for Zarni:\n"
     "                             --select-product-id zarni --select-release-current \\\n"
     "                             --upgrade-installed-components\n"
     "                         2) oppgrader Zarni til utgivelsen ZARNI_12_5_30:\n"
     "                             --select-product-id zarni \\\n"
     "                             --select-release-id ZARNI_12_5_30 \\\n"
     "                             --upgrade-installed-components\n"
     "\n"
     "    --include-components-from-class <class>\n"
     "                         Oppgrader bare de installerte komponentene i det\n"
     "                         valgte produktet som hører til den angitte klassen,\n"
     "                         for eksempel aspect=panel. Gjenta alternativet for å\n"
     "                         angi flere klasser.\n"
     "\n"},
    {"usage_no_warn",
     " Alternativer for komponentkontroll:\n"
     "    --skip-components-check\n"
     "                         Ikke kjør kontrollene av komponentene og produktet før\n"
     "                         og etter installasjonen. Zarni Installer kjører disse\n"
     "                         kontrollene for å finne problemer som kan ødelegge\n"
     "                         dataene dine, så hopp over dem bare når du er sikker\n"
     "                         på at installasjonen er trygg.\n"
     "\n"},
    {"usage_list",
     " Alternativer for å vise produkter, utgivelser og komponenter:\n"
     "    --show-releases      Vis de tilgjengelige utgivelsene av det valgte\n"
     "                         produktet (Zarni når ingen produkter er valgt), med\n"
     "                         utgivelses-ID og versjonsnivå. Zarni Installer viser\n"
     "                         bare utgivelsene på nivåene \"stable\", \"release\" og\n"
     "                         \"current\" med mindre du bruker --all-versions eller\n"
     "                         angir andre nivåer med --tier.\n"
     "\n"
     "    --show-all-releases   Vis alle tilgjengelige produkter og utgivelsene deres.\n"
     "\n"
     "    --show-os-list       Vis operativsystemene som den valgte utgivelsen er\n"
     "                         bygget for.\n"
     "\n"
     "    --show-installation-types\n"
     "                         Vis installasjonstypene for den valgte utgivelsen.\n"
     "\n"
     "    --show-components       Vis komponentene i den valgte utgivelsen og om\n"
     "                         hver av dem er installert, kan oppgraderes eller er\n"
     "                         oppdatert. Bruk komponent-ID-ene den viser, med\n"
     "                         --install-component og --remove-component.\n"
     "\n"
     "    --show-upgradable-components\n"
     "                         Vis bare komponentene som kan oppgraderes.\n"
     "\n"
     "    --show-options      Sammen med --show-components vises også innstillingene\n"
     "                         for hver komponent. Kan ikke kombineres med\n"
     "                         --show-upgradable-components.\n"
     "\n"
     "    --show-packages      Sammen med alternativene for installasjon,\n"
     "                         oppgradering eller fjerning: vis bare pakkene som\n"
     "                         ville blitt installert [I], oppgradert [U] eller\n"
     "                         fjernet [R], uten å endre noe.\n"
     "\n"},
    {"usage_automation",
     " Automatiseringsalternativer:\n"
     "    --enable-xml-output  Skriv ut svar og statusmeldinger i XML-format, for\n"
     "                         skript og andre programmer. En installasjon kjøres\n"
     "                         da i bakgrunnen.\n"
     "\n"
     "    --query-status     Vis om Zarni Installer kjører, og i så fall fasen og\n"
     "                         trinnet i arbeidet. Statusen i svaret er en av:\n"
     "                         query_ok   - Zarni Installer kjører ikke\n"
     "                         query_busy - Zarni Installer kjører\n"
     "\n"
     "    --check-updates      Kontroller om det finnes oppdateringer for det valgte\n"
     "                         produktet (Zarni når ingen produkter er valgt).\n"
     "                         Eksempel:\n"
     "                             --select-product-id zarni --check-updates\n"
     "\n"
     "    --no-daemon          Sammen med --enable-xml-output: installer i\n"
     "                         forgrunnen og vent til installasjonen er ferdig.\n"
     "\n"},
    {"usage_web",
     " Alternativer for webgrensesnittet:\n"
     "    --web-interface      Kjør installasjonsveiviseren i en nettleser i stedet\n"
     "                         for i konsollen. Veiviseren leveres på port 8447.\n"
     "\n"
     "    --ssl-cert <file.pem>\n"
     "                         Fil med sertifikatet og den private nøkkelen for\n"
     "                         HTTPS. Som standard lages et selvsignert sertifikat.\n"
     "\n"
     "    --without-ssl        Lever webgrensesnittet over vanlig HTTP.\n"
     "\n"},
    {"usage_override",
     " Alternativer som overstyrer det registrerte operativsystemet:\n"
     "    --override-os-name <arg>\n"
     "                         Bruk det angitte navnet på operativsystemet i stedet\n"
     "                         for det registrerte.\n"
     "\n"
     "    --override-os-vendor <arg>\n"
     "                         Bruk den angitte leverandøren av operativsystemet i\n"
     "                         stedet for den registrerte.\n"
     "\n"
     "    --override-os-version <arg>\n"
     "                         Bruk den angitte versjonen av operativsystemet i\n"
     "                         stedet for den registrerte.\n"
     "\n"
     "    --override-os-arch <arg>\n"
     "                         Bruk den angitte arkitekturen i stedet for den\n"
     "                         registrerte.\n"
     "\n"
     "    --override-environment <arg>\n"
     "                         Bruk det angitte miljøet i stedet for det registrerte:\n"
     "                         'dedicated' eller 'cq'.\n"
     "\n"},
    {"usage_console",
     " Alternativer for det interaktive konsollgrensesnittet:\n"
     "    --no-clear           Ikke tøm skjermen ved bytte mellom sidene i\n"
     "                         veiviseren.\n"
     "\n"},
    {"usage_feedback",
     " Tilbakemeldingsalternativer:\n"
     "    --enable-feedback     La Zarni Installer sende en feilrapport til\n"
     "                         Zarni-utviklerne når det oppstår et problem.\n"
     "\n"
     "    --disable-feedback    Ikke send feilrapporter. Zarni Installer husker\n"
     "                         valget ved senere kjøringer.\n"
     "\n"},
    {"usage_logging",
     " Alternativer for logging og varsling:\n"
     "    --notify-email <email>\n"
     "                         Når Zarni Installer er ferdig, send en rapport om\n"
     "                         resultatet til den angitte e-postadressen.\n"
     "\n"
     "    --truncate-log       Tøm loggfilen til Zarni Installer ved oppstart.\n"
     "\n"
     "    --separate-logs      Skriv en egen loggfil for hver kjøring av\n"
     "                         Zarni Installer.\n"
     "\n"
     "    --debug               Skriv feilsøkingsinformasjon til loggfilen.\n"
     "\n"},
    {"usage_help",
     " Alternativer for hjelp og versjon av Zarni Installer:\n"
     "    --version           Vis versjonen av Zarni Installer.\n"
     "\n"
     "    --usage,\n"
     "    --help               Vis oversikten over det kommandobaserte grensesnittet.\n"
     "\n"
     "    --help-options       Vis denne hjelpen for det alternativbaserte\n"
     "                         grensesnittet.\n"
     "\n"},
    {"usage_obsolete",
     " Foreldede alternativer:\n"
     "    --disable-zarni-sys-updates\n"
     "                         Ble brukt til å slå av operativsystemoppdateringene\n"
     "                         som leveres med Zarni. Godtas fortsatt, men endrer\n"
     "                         ikke lenger hva som installeres.\n"
     "\n"
     "    --install-everything\n"
     "                         Installer alle komponentene i den valgte\n"
     "                         produktutgivelsen. Bruk --installation-type 'Full'\n"
     "                         i stedet.\n"
     "\n"
     "    --branch <tiers>     Det samme som --tier.\n"
     "\n"
     "    --skip-branch-filter\n"
     "                         Det samme som --all-versions.\n"
     "\n"},
    {"usage_deprecated",
     " Utfasede alternativer (godtas, men ignoreres med en advarsel):\n"
     "    --source-type        Ble brukt til å angi typen installasjonskilde. Typen\n"
     "                         gjenkjennes nå fra verdien av --source.\n"
     "\n"
     "    --add-source      Ble brukt til å legge til en ekstra pakkekilde.\n"
     "\n"
     "    --show-additional-source-types\n"
     "                         Ble brukt til å vise typene ekstra pakkekilder.\n"
     "\n"
     "    --show-additional-sources\n"
     "                         Ble brukt til å vise de ekstra pakkekildene.\n"
     "\n"
     "    --mirror-os          Ble brukt til å speile produktversjoner for et annet\n"
     "                         operativsystem.\n"
     "\n"
     "    --install-system-only\n"
     "                         Ble brukt til å installere bare systempakkene for\n"
     "                         Zarni Tenebrin.\n"
     "\n"
     "    --allow-kernel-install\n"
     "                         Ble brukt til å tillate installasjon av kjernepakker.\n"
     "\n"
     "    --disable-major-updates\n"
     "                         Ble brukt til å hindre oppgradering til en ny\n"
     "                         hovedutgivelse. Velg i stedet utgivelsen som skal\n"
     "                         installeres, med --select-release-id eller\n"
     "                         --select-release-current.\n"
     "\n"
     "    --upgrade-system-packages\n"
     "                         Ble brukt til å oppgradere operativsystempakkene også.\n"
     "\n"
     "    --reinstall-patch    Ble brukt til å installere den nyeste rettelsen for de\n"
     "                         valgte produktene på nytt. Det kommandobaserte\n"
     "                         grensesnittet ignorerer --repatch på samme måte.\n"
     "\n"
     "    --skip-patch         Ble brukt til å hoppe over installasjon av rettelser.\n"
     "                         Det kommandobaserte grensesnittet ignorerer det på\n"
     "                         samme måte.\n"
     "\n"
     "    --no-space-check      Ble brukt til å hoppe over kontrollen av ledig\n"
     "                         diskplass.\n"
     "\n"},
    {"usage_end", "Se 'installer help' for informasjon om det kommandobaserte grensesnittet.\n"},
    {"usage_commands",
     "Bruk: installer COMMAND [OPTIONS]\n"
     "\n"
     "Kommandoer:\n"
     "   list      Vis produkter, utgivelser, forhåndsvalg og komponenter\n"
     "   list-all Vis alle tilgjengelige produkter og utgivelsene deres\n"
     "   install   Installer en produktutgivelse\n"
     "   update    Installer de nyeste oppdateringene for installerte produkter\n"
     "   add       Legg til komponenter i et installert produkt\n"
     "   remove    Fjern komponenter fra et installert produkt\n"
     "   upgrade   Oppgrader et installert produkt til en annen utgivelse\n"
     "   stop      Stopp en Zarni Installer som kjører\n"
     "   version   Vis versjonen av Zarni Installer\n"
     "   help      Vis hjelp for en kommando\n"
     "\n"
     "Se 'installer help COMMAND' for hjelp for en bestemt kommando.\n"
     "Se 'installer --help-options' for hjelp for det alternativbaserte grensesnittet.\n"},
    {"usage_cmd_prefix", "Bruk: installer "},
    {"usage_cmd_version", "Vis versjonen av Zarni Installer."},
    {"usage_cmd_help",
     "Uten COMMAND vises kommandoene. Med COMMAND vises hjelpen for den kommandoen.\n"
     "Legg til --verbose (-v) for å se flere av alternativene."},
    {"usage_cmd_list_all", "Vis alle tilgjengelige produkter og utgivelsene deres."},
    {"usage_cmd_list",
     "Vis tilgjengelige produkter og utgivelser. For en bestemt utgivelse (en\n"
     "utgivelses-ID, eller en produkt-ID og en versjon) vises installasjons-\n"
     "forhåndsvalgene (--presets), komponentene (--components, med innstillingene\n"
     "når --options legges til) eller konfigurasjonen av systemets pakkebehandler\n"
     "for den (--sources)."},
    {"usage_cmd_install",
     "Installer en produktutgivelse. Uten velgere installeres den nyeste\n"
     "tilgjengelige utgivelsen av Zarni. Velg komponentene med et forhåndsvalg\n"
     "(--preset, som --with og --without justerer) eller angi dem med --components."},
    {"usage_cmd_upgrade",
     "Oppgrader et installert produkt til en annen utgivelse. Angi utgivelsen med\n"
     "utgivelses-ID, med en produkt-ID og en versjon, eller med en produkt-ID og et\n"
     "versjonsnivå (den nyeste utgivelsen på det nivået velges). Uten en bestemt\n"
     "utgivelse vises de tilgjengelige utgivelsene."},
    {"usage_cmd_update",
     "Installer de nyeste oppdateringene for alle installerte produkter, eller bare\n"
     "for PRODUCT, uten å oppgradere dem til en annen utgivelse."},
    {"usage_cmd_add", "Legg til komponenter i et installert produkt."},
    {"usage_cmd_remove", "Fjern komponenter fra et installert produkt."},
    {"usage_cmd_add_remove_tail", "PRODUCT kan utelates når bare ett produkt er installert.\n"},
    {"usage_cmd_stop",
     "Stopp en Zarni Installer som kjører. Den stopper ved neste trygge punkt. Med\n"
     "--terminate stopper den selv mens pakker installeres."},
    {"usage_components",
     "COMPONENTS er en liste over komponent-ID-er. Skill dem med mellomrom eller\n"
     "komma, eller gjenta alternativet:\n"
     "  --components panel horde\n"
     "  --components panel,horde\n"
     "  --components panel --components horde\n"},
    {"usage_verbose",
     "Legg til '--verbose' (eller '-v') for å se flere alternativer, '--verbose=2'\n"
     "for å se alle alternativene."},
    {"usage_hdr_command_opts", "Kommandoalternativer"},
    {"usage_hdr_general_opts", "Generelle alternativer"},
    {"usage_hdr_download_opts", "Nedlastingsalternativer"},
    {"usage_hdr_proxy_opts", "Proxy-alternativer"},
    {"usage_hdr_skip_opts", "Alternativer som hopper over trinn"},
    {"usage_hdr_env_opts", "Alternativer som overstyrer operativsystemet"},
    {"usage_opt_source",
     "Installasjonskilde: URL-en til oppdateringsserveren eller et speil, eller den absolutte banen til en lokal katalog"},
    {"usage_opt_target", "Katalog for nedlastede filer"},
    {"usage_opt_tries", "Antall nye forsøk for en mislykket nedlasting (standard: 3)"},
    {"usage_opt_ext", "URL-en til Extensions Catalog som skal brukes i stedet for den produktet angir"},
    {"usage_opt_proxy_host", "Vertsnavn eller IP-adresse for proxyserveren"},
    {"usage_opt_proxy_port", "Port for proxyserveren (standard: 3128)"},
    {"usage_opt_proxy_user", "Brukernavn for proxy-godkjenning"},
    {"usage_opt_proxy_pass", "Passord for proxy-godkjenning"},
    {"usage_opt_skip_examine", "Ikke kjør kontrollene av komponenter og produkt før og etter installasjonen"},
    {"usage_opt_skip_gpg", "Ikke kontroller GPG-signaturene til pakkene"},
    {"usage_opt_skip_cleanup", "Behold konfigurasjonen av pakkebrønnene når installasjonsprogrammet avslutter"},
    {"usage_opt_no_self_upgrade", "Ikke erstatt Zarni Installer med en nyere eller eldre versjon av seg selv"},
    {"usage_opt_help", "Vis hjelpen for kommandoen"},
    {"usage_opt_xml", "Skriv ut svar og statusmeldinger i XML-format"},
    {"usage_opt_debug", "Skriv feilsøkingsinformasjon til loggfilen"},
    {"usage_opt_truncate_log", "Tøm loggfilen til Zarni Installer ved oppstart"},
    {"usage_opt_separate_log", "Skriv en egen loggfil for hver kjøring av Zarni Installer"},
    {"usage_opt_email", "Når Zarni Installer er ferdig, send en rapport om resultatet til denne e-postadressen"},
    {"usage_opt_verbose", "Vis flere alternativer i hjelpen: 1 for flere alternativer, 2 for alle alternativer"},
    {"usage_opt_completion", "Skriv ut alternativene for kommandoen til skallfullføring (JSON)"},
    {"usage_opt_override_os_name", "Navn på operativsystemet som skal brukes i stedet for det registrerte"},
    {"usage_opt_override_os_vendor", "Leverandør av operativsystemet som skal brukes i stedet for den registrerte"},
    {"usage_opt_override_os_version", "Versjon av operativsystemet som skal brukes i stedet for den registrerte"},
    {"usage_opt_override_os_arch", "Arkitektur som skal brukes i stedet for den registrerte"},
    {"usage_opt_override_env", "Miljø som skal brukes i stedet for det registrerte: 'dedicated' eller 'cq'"},
    {"usage_opt_list_presets", "Vis installasjonsforhåndsvalgene for utgivelsen"},
    {"usage_opt_list_components", "Vis komponentene i utgivelsen"},
    {"usage_opt_list_options", "Med --components vises også innstillingene for hver komponent"},
    {"usage_opt_dry_run",
     "Endre ingenting; vis bare pakkene som ville blitt installert [I], oppgradert [U] eller fjernet [R]"},
    {"usage_opt_install_preset",
     "Installer komponentene i dette forhåndsvalget (installasjonstypen), for eksempel 'Recommended' eller 'Full'"},
    {"usage_opt_install_with", "Komponenter som skal installeres i tillegg til forhåndsvalget"},
    {"usage_opt_install_without", "Komponenter i forhåndsvalget som ikke skal installeres"},
    {"usage_opt_install_components", "Komponenter som skal installeres, i stedet for et forhåndsvalg"},
    {"usage_opt_install_options", "Komponentinnstillinger, hver angitt som name=value"},
    {"usage_opt_update_panel_only",
     "Installer bare oppdateringene for selve Zarni, ikke for de andre tjenestene som Zarni administrerer"},
    {"usage_opt_addremove_components", "Komponenter som skal legges til eller fjernes"},
    {"usage_opt_stop_terminate",
     "Stopp Zarni Installer selv mens pakker installeres (send SIGTERM i stedet for SIGHUP)"},
    {"error_supp_need", "Du kan søke etter en løsning på Zarnis støtteside på https://support.zarni.example/"},
    {"os_win2003_not_supported",
     "Windows Server 2003 støttes ikke lenger av Zarni. "
     "I samsvar med livssykluspolicyen for Zarni (https://www.zarni.example/legal/lifecycle-policy/) anbefaler vi at du bruker en nyere versjon av operativsystemet."},
    {"os_win2008_not_supported_product_installed",
     "Windows Server 2008 støttes ikke lenger av Zarni. "
     "I samsvar med livssykluspolicyen for Zarni (https://www.zarni.example/legal/lifecycle-policy/) anbefaler vi at du bruker en nyere versjon av operativsystemet. "
     "Følg migreringsveiledningen (https://www.zarni.example/en/121368) for å flytte Zarni til en server med et støttet operativsystem."},
    {"os_win2008_not_supported_product_not_installed",
     "Windows Server 2008 støttes ikke lenger av Zarni. "
     "I samsvar med livssykluspolicyen for Zarni (https://www.zarni.example/legal/lifecycle-policy/) anbefaler vi at du bruker en nyere versjon av operativsystemet."},
    {"os_win2008r2_not_supported_product_installed",
     "Windows Server 2008 R2 støttes ikke lenger av Zarni. "
     "I samsvar med livssykluspolicyen for Zarni (https://www.zarni.example/legal/lifecycle-policy/) anbefaler vi at du bruker en nyere versjon av operativsystemet. "
     "Følg migreringsveiledningen (https://www.zarni.example/en/121368) for å flytte Zarni til en server med et støttet operativsystem."},
    {"os_win2008r2_not_supported_product_not_installed",
     "Windows Server 2008 R2 støttes ikke lenger av Zarni. "
     "I samsvar med livssykluspolicyen for Zarni (https://www.zarni.example/legal/lifecycle-policy/) anbefaler vi at du bruker en nyere versjon av operativsystemet."},
};

}  // namespace

void loadInstallerMessages_nb_NO(Messages::messages_rep& catalogue)
{
    loadMessageTable(catalogue, kTable);
}
