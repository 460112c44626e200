// Danish texts of the installer messages: program name, help pages, wizard, progress and status texts.
#include "messages/MessageLoaders.h"

namespace {

const MessagePair kTable[] = {
    {"Kitwright", "Zarni Installer"},
    {"usage_cmd_list_tail", "Eksempler:\n  Vis tilgængelige produkter:\n   list\n Vis de nyeste tilgængelige Zarni-udgivelser med standardniveauerne:\n   list %1%\n Vis alle tilgængelige Zarni-udgivelser:\n   list %1% all\n Vis den nyeste tilgængelige prøveudgivelse af Zarni (med niveauet 'testing'):\n   list %1% testing\n Vis komponenterne i Zarni %2% (valgt efter produkt-id og version):\n   list %1% %2% --components\n Vis installationsforvalgene i Zarni %2% (valgt efter udgivelses-id):\n   list %3% --presets\n"},
    {"usage_cmd_install_tail", "Eksempler:\n  Installer det anbefalede sæt komponenter fra den nyeste almindeligt\n  tilgængelige udgivelse af Zarni:\n   install\n  Installer den nyeste tilgængelige prøveudgivelse af Zarni:\n   install testing\n  Installer Zarni %2% (valgt efter version):\n   install %1% %2%\n  Installer det fulde sæt Zarni-komponenter uden Java-understøttelse og\n  Horde-webmail (udgivelsen er valgt efter id):\n   install %3% --preset Full --without java horde\n"},
    {"usage_cmd_upgrade_tail", "Eksempler:\n  Opgrader til Zarni %2% (valgt efter produkt-id og version):\n    upgrade %1% %2%\n  Opgrader til Zarni %2% (valgt efter udgivelses-id):\n    upgrade %3%\n  Opgrader til den nyeste tilgængelige stabile Zarni-udgivelse:\n    upgrade %1% stable\n"},
    {"usage_cmd_update_tail", "Eksempler:\n   Installer de nyeste opdateringer til alle installerede produkter:\n   update\n   Opdater Zarni-installationen:\n    update %1%\n   Installer kun Zarni-opdateringer, og opdater så vidt muligt ikke andre\n   tjenester, som Zarni administrerer (gælder kun produktet '%1%'):\n    update --panel-only\n"},
    {"usage_selector", "Hver SELECTOR er én af følgende:\n  produkt-id,       f.eks. '%1%'\n  udgivelsesniveau,  f.eks. 'stable' eller 'all' for intet niveaufilter\n  udgivelsesversion, f.eks. '%2%'\n  udgivelses-id,     f.eks. '%3%'\n\nBrug kommandoen 'list' til at kontrollere, hvilke vælgere der er gyldige.\n"},
    {"usage_product", "PRODUCT er en vælger for produkt-id, f.eks. '%1%'.\nBrug kommandoen 'list' til at kontrollere, hvilke produkt-id'er der er gyldige.\n"},
    {"download_file", "Henter filen "},
    {"download_total_progress", "(%s af %s) "},
    {"download_retry_progress", " (nyt forsøg %s af %s)"},
    {"download_retry", "%s. Prøver igen om %s sekund(er)..."},
    {"progress_stage_init", "Zarni Installer blev startet"},
    {"progress_stage_prep", "Forbereder systemet"},
    {"progress_stage_resolv", "Løser pakker"},
    {"progress_stage_download", "Henter pakker"},
    {"dpkg_register_new_arch", "Registrerer understøttelse af arkitekturen %s"},
    {"examine_unpassed", "Valideringen af komponenter og produkt fandt mindst ét vigtigt problem:"},
    {"examine_post_results", "Resultater af kontrollen af komponenter og produkt:"},
    {"examine_signal", "Kontrollen blev afsluttet af signalet %s."},
    {"examine_time_limit", "Kontrollen blev ikke færdig inden for %s sekunder og blev stoppet."},
    {"check_system_packages", "Kontrollerer installerede pakker... "},
    {"read_system_packages", "Henter oplysninger om de installerede pakker... "},
    {"status_not_locked", "Zarni Installer kører ikke."},
    {"status_locked_by_another", "Opdateringen blev låst af en anden opdateringsproces."},
    {"status_daemon_launched", "Zarni Installer-dæmonen blev startet."},
    {"status_busy", "En anden forekomst af Zarni Installer kører allerede."},
    {"error_sys_stable", "Ikke alle pakker blev installeret."},
    {"error_sys_unsure", "Advarsel! Ikke alle pakker blev installeret.\nKontroller, om dine systemtjenester fungerer."},
    {"error_sys_broken", "Bemærk! Din software fungerer muligvis ikke."},
    {"error_rep_none", ""},
    {"error_rep_again", "Prøv at installere pakkerne igen senere."},
    {"error_supp_none", "Løs dette problem, og prøv at installere pakkerne igen."},
    {"components_allready_installed", "Du har allerede den nyeste version af produkterne og alle de valgte komponenter installeret. Installationen fortsætter ikke."},
    {"releases_no_avail", "Installationen fortsætter ikke, fordi dit operativsystem\n\"%s\" ikke understøttes.\n\nSe udgivelsesnoterne til Zarni for at få den fulde liste\nover understøttede operativsystemer.\n"},
    {"insttypes_page_hdr1", "Vælg installationstypen for %s"},
    {"components_page_body2", "Vælg de komponenter af %s, du vil installere:"},
    {"components_page_num_selected", "%s af %s komponenter valgt"},
    {"options_page_body2", "Parametrene for %s komponenter skal angives.\n"},
    {"options_page_body5", "\nKomponenten '%s': alle påkrævede parametre er defineret.\n"},
    {"packages_page_body_install", "Der er %s pakker, som produktet skal bruge for at fungere korrekt, og som\nikke blev fundet på dit system.\n"},
    {"packages_page_body_upgrade", "Der er %s pakker, der skal opgraderes,\nfor at produktet kan installeres.\n"},
    {"packages_page_body_remove", "Der er %s pakker, som er installeret, men som vil blive fjernet.\n"},
    {"install_start", "Ændringerne anvendes på systemet"},
    {"install_ok", "Ændringerne blev anvendt."},
    {"err_send_mail", "Advarsel: Installationsrapporten kunne ikke sendes med mail."},
    {"err_read_prodsinfo", "Produktoplysningerne kunne ikke læses fra filen "},
    {"warn_deprecated_option", "ADVARSEL: Kommandolinjevalgmuligheden '%s' er forældet og ignoreres."},
    {"err_chk_md5", "Der kunne ikke beregnes en kontrolsum for filen "},
    {"new_build_avail", "Advarsel: Der er et nyt produktbuild tilgængeligt på serveren."},
    {"added_comps_by_deps", "Følgende komponenter installeres, fordi de komponenter, du har valgt, kræver dem:"},
    {"removed_comps_by_deps", "Følgende komponenter fjernes, fordi de er i konflikt med de komponenter, du har valgt at installere, eller kræver de komponenter, du har valgt at fjerne:"},
    {"err_dep_from_pkg_unresolved", "%s: Der blev ikke fundet nogen egnede løsninger\npå afhængigheden \"%s\".\n"},
    {"err_pkg_downgrade", "Pakken '%s' kan ikke nedgraderes til version %s:\n  version %s er installeret i øjeblikket."},
    {"err_pkg_clash", "Pakkerne \"%s\" og \"%s\" kan ikke installeres samtidig"},
    {"err_pkg_fileconfl", "på grund af konflikten med filen \"%s\""},
    {"err_pkg_depconfl", "fordi \"%s\" er i konflikt med \"%s\"."},
    {"pkg_select_reason", "Pakken \"%s\" blev valgt på grund af følgende afhængigheder:"},
    {"pkg_select_depend", " \"%s\" fra \"%s\""},
    {"deps_report_head", "Følgende kan være årsag til, at installationen mislykkedes:"},
    {"deps_long_report", "Der opstod også andre problemer. Du kan finde flere oplysninger\ni logfilen: %s.\n"},
    {"user_canceled", "Afbrudt af brugeren"},
    {"goto_webinterface_url", "\nWebgrænsefladen er nu startet.\n  Gå til %s i din browser.\n\n"},
    {"upgrade_from_not_supported_versions", "Du kan kun opgradere %s til %s eller tidligere. Se følgende artikel, hvis du vil opgradere til den nyeste version: %s"},
    {"stop_already_stopped", "Zarni Installer kører ikke."},
    {"stop_sent", "Der er anmodet om lukning af Zarni Installer."},
    {"download_completed", "allerede hentet"},
    {"download_done", "færdig"},
    {"download_all_done", "Alle filer blev hentet."},
    {"download_ext_catalog_feed", "Henter feedet fra Extensions Catalog..."},
    {"process_apt_get_update", "Opdaterer APT-pakkeindekset..."},
    {"question_continue", "Vil du fortsætte?"},
    {"question_show_settings",
     "Det kan skyldes et problem med installationskilden, din forbindelse eller installationsprogrammets indstillinger.\n"
     "Installationsprogrammet afsluttes på grund af en uoprettelig fejl.\n"
     "Vil du se installationsprogrammets aktuelle indstillinger, og hvordan de ændres?"},
    {"examine_presetup", "Kontrollerer komponenterne og produktet før installationen"},
    {"examine_postsetup", "Kontrollerer komponenterne og produktet efter installationen"},
    {"examine_perform", "Kontrollerer komponenterne og produktet..."},
    {"examine_skip_yesno",
     "Hvis du fortsætter installationen eller opgraderingen uden at løse de fundne\n"
     "problemer, kan dine data blive beskadiget.\n"},
    {"wizard_current_settings", "Aktuelle indstillinger:"},
    {"yesno_retry", "Tast Y for ja eller N for nej"},
    {"message_press_enter", "(tryk på Enter for at fortsætte)"},
    {"releases_reporter_no_updates", "Der er ingen tilgængelige opdateringer."},
    {"releases_reporter_list_empty", "Der er ingen produkter tilgængelige til installation."},
    {"releases_page_hdr", "Produkter og versioner"},
    {"releases_page_body", "Følgende produktversioner er tilgængelige:"},
    {"releases_no_selected", "Der blev ikke valgt nogen produktversion."},
    {"releases_upgrade_request1", "Du har produktversionen "},
    {"releases_upgrade_request2",
     " installeret.\n"
     "Vil du opgradere den?"},
    {"wizard_legend_header", "Tilgængelige handlinger:"},
    {"wizard_legend_f_forward", "(F) Gå videre"},
    {"wizard_legend_b_back", "(B) Gå tilbage"},
    {"wizard_legend_q_quit", "(Q) Annuller installationen"},
    {"wizard_legend_s_advanced_settings", "(S) Vis avancerede indstillinger"},
    {"wizard_legend_a_select_all", "(A) Vælg alle"},
    {"wizard_legend_d_deselect_all", "(D) Fravælg alle"},
    {"wizard_legend_f_forward_specify_params", "(F) Gå videre, og angiv parametre"},
    {"wizard_legend_f_forward_skip_params", "(F) Gå videre uden at ændre parametre"},
    {"wizard_legend_u_specify_undefined_params", "(U) Gå videre, og angiv kun udefinerede parametre"},
    {"wizard_legend_r_redefine_params_all", "(R) Definer alle parametre igen"},
    {"wizard_legend_r_redefine_params_one", "(R) Definer parametrene for denne komponent igen"},
    {"wizard_legend_s_show_packages", "(S) Vis listen over pakker"},
    {"wizard_prompt_action", "Vælg en handling"},
    {"wizard_prompt_action_retry", "Tast et af tegnene fra forklaringen ovenfor"},
    {"wizard_prompt_action_or_number", "Vælg en handling eller et nummer"},
    {"wizard_prompt_action_or_number_retry", "Tast et nummer eller tegnet for en handling fra forklaringen ovenfor"},
    {"wizard_prompt_number", "Vælg et nummer"},
    {"wizard_prompt_number_retry", "Tast et af numrene fra listen ovenfor"},
    {"hello_page_hdr", "Guide til installation og opgradering af Zarni"},
    {"hello_page_body",
     "Denne guide hjælper dig med at installere Zarni, opgradere til en nyere\n"
     "udgivelse og tilføje eller fjerne komponenter.\n"
     "\n"
     "------ VIGTIGT ------\n"
     "\n"
     "* Tag en sikkerhedskopi af dine data, før du opgraderer Zarni eller fjerner\n"
     "  komponenter.\n"
     "\n"
     "* Afbryd ikke installationen, mens pakkerne installeres.\n"
     "\n"
     "* Zarni distribueres under Zarni-slutbrugerlicensaftalen. Læs dens vilkår på\n"
     "  http://www.zarni.example/legal/terms/, før du fortsætter: ved at installere\n"
     "  Zarni accepterer du dem.\n"},
    {"source_product_source", " Installer produkter fra: "},
    {"source_target_dir", " Gem hentede filer i: "},
    {"source_from_zarni", "Zarni-opdateringsserveren"},
    {"source_from_network", "netværksplaceringen"},
    {"source_from_local", "den lokale mappe"},
    {"proxy_no_proxy", " Brug ikke en proxy"},
    {"proxy_no_auth", " Brug ikke proxygodkendelse"},
    {"proxy_proxy_host", " Brug HTTP-proxy (vært:port): "},
    {"proxy_auth", " Brug proxygodkendelse, brugernavn: "},
    {"settings_download_retries", " Antal nye forsøg på en mislykket overførsel: "},
    {"settings_page_hdr", "Avancerede indstillinger"},
    {"settings_page_body",
     "Disse indstillinger for installationsprogrammet til Zarni (placering af\n"
     "produktets distributionspakker, lager til hentede filer, proxyindstillinger,\n"
     "overførselsindstillinger) kan angives enten på kommandolinjen eller i\n"
     "konfigurationsfilen.\n"
     "\n"
     " Kommandolinje                | Konfigurationsfil          | Beskrivelse\n"
     "------------------------------+----------------------------+------------------\n"
     " --source <URL eller sti>     | SOURCE=<URL eller sti>     | installationskilde\n"
     " --target <dir>               | TARGET=<dir>               | overførselsmappe\n"
     " --proxy-host <vært>          | PROXY_HOST=<vært>          | proxyvært\n"
     " --proxy-port <port>          | PROXY_PORT=<port>          | proxyport\n"
     " --proxy-user <bruger>        | PROXY_USER=<bruger>        | proxybrugernavn\n"
     " --proxy-password <pass>      | PROXY_PASSWORD=<pass>      | proxyadgangskode\n"
     " --download-retry-count <N>   | DOWNLOAD_RETRY_COUNT=<N>   | nye forsøg\n"
     "\n"
     "Argumenter på kommandolinjen har forrang for konfigurationsfilen.\n"
     "Installationsprogrammet læser konfigurationsfilen, når det starter; skriv hver\n"
     "indstilling på sin egen linje, f.eks. PROXY_PORT=3128.\n"},
    {"settings_page_cfg", "Placering af konfigurationsfilen til installationsprogrammet til Zarni: "},
    {"insttypes_page_hdr", "Installationstyper"},
    {"insttypes_page_body", "En installationstype er et foruddefineret sæt komponenter. Vælg en af dem:"},
    {"components_page_hdr", "Liste over primære komponenter"},
    {"components_page_hdr1", "Liste over hovedkomponenter for "},
    {"components_page_body1", "Vis komponenter for produktet:"},
    {"components_page_body3", "Vælg de komponenter, du vil installere:"},
    {"components_page_bottom_toggle_components", "Angiv et nummer for at skifte den pågældende komponent til eller fra."},
    {"components_page_bottom_toggle_groups", "Angiv et nummer for at skifte den pågældende komponent til eller fra eller se gruppen (markeret med <+>)."},
    {"components_toggle_also", "For at skifte denne komponents tilstand skal du også"},
    {"components_install_also", "installere eller opgradere følgende komponenter: "},
    {"components_install_remove_them", "Vil du gøre det?"},
    {"components_remove_also", "fjerne følgende komponenter: "},
    {"components_unmark_also", "fravælge følgende komponenter: "},
    {"components_atleast_one", "Du skal vælge mindst én komponent for at fortsætte."},
    {"components_deny_implicit_remove", "For at fjerne denne komponent eller gruppe af komponenter skal du først fjerne de komponenter, der ikke kan fjernes implicit: "},
    {"components_group_toggle_also", "For at skifte disse komponenters tilstand skal du også"},
    {"components_group_deny_conflict", "Disse komponenters tilstand kan ikke skiftes, da det vil bryde afhængighederne for følgende komponenter: "},
    {"components_group_deny_conflict_suggestion", "Prøv i stedet at skifte komponenterne én ad gangen."},
    {"need_also_message", "De valgte komponenter kræver installation af pakker fra følgende komponenter: \n"},
    {"need_also_remove_message", "De valgte komponenter kræver fjernelse af pakker fra følgende komponenter: \n"},
    {"options_page_hdr", "Komponentparametre"},
    {"options_page_body1", " komponenter, der er valgt til installation, kræver, at du angiver bestemte parametre.\n"},
    {"options_page_body3", "Du skal angive alle påkrævede parametre nu.\n"},
    {"options_page_body4", "Parametrene for alle disse komponenter er allerede defineret.\n"},
    {"packages_page_hdr", "Pakkeændringer"},
    {"packages_no_reqpackages", "Ingen pakker skal installeres, opgraderes eller fjernes."},
    {"install_remove", "Fjerner pakker: "},
    {"install_again", "Bemærk: Der blev udgivet et nyt produktbuild, mens Zarni Installer installerede pakkerne.\nVil du installere det?"},
    {"install_install_package", "Installerer pakker: "},
    {"checking_comps_status", "Finder installerede produktkomponenter."},
    {"checking_deps", "Kontrollerer pakkeafhængigheder..."},
    {"err_set_proxyvar", "Advarsel: Proxymiljøvariablen til pakkehåndteringen kunne ikke angives."},
    {"err_no_librpm", "Fejl: librpm, det bibliotek der læser RPM-pakkedatabasen, kan ikke indlæses."},
    {"err_no_pagers", "Advarsel: Hverken værktøjet 'less' eller 'more' blev fundet."},
    {"installling_pkgs", "Installerer pakker"},
    {"installing_pkglist", "Installerer følgende pakker:"},
    {"warn_apt_cdrom_in_source",
     "Advarsel: Din APT-kildeliste indeholder en CD/DVD-kilde. Zarni Installer\n"
     "kan stoppe og vente på disken. Hvis disken ikke er tilgængelig, skal du fjerne\n"
     "cdrom-linjerne fra /etc/apt/sources.list og filerne i\n"
     "/etc/apt/sources.list.d/ og køre installationen igen."},
    {"retype_password", "Indtast adgangskoden igen: "},
    {"webinterface_exit_by_timeout", " Zarni Installer blev lukket på grund af en længere periode uden aktivitet."},
    {"ask_customer_feedback", "Vil du hjælpe med at forbedre Zarni ved at sende fejlrapporter til\nZarni-udviklerne, når der opstår et problem?"},
    {"press_enter_to_exit", "Tryk på ENTER for at afslutte ..."},
    {"comps_no_options", "Ingen af de viste komponenter har indstillinger."},
    {"options_select_all_IPs", "Vælg alle IP-adresser"},
    {"searching_need_pkgs", "Søger efter de påkrævede pakker..."},
    {"confirm_uninstallation", "Vil du virkelig fjerne %s og alle dets komponenter?"},
    {"confirm_uninstallation_title", "Fjernelse af %s"},
    {"cancel_uninstallation", "Annuller fjernelse"},
    {"error_supp_maybe", "Løs dette problem, og prøv at installere pakkerne igen.\nDu kan søge efter en løsning på Zarnis supportwebsted på https://support.zarni.example/"},
    {"usage_header",
     "Anvendelse: installer [VALGMULIGHEDER]\n"
     "\n"
     "Installationsprogrammet til Zarni installerer, opgraderer og fjerner\n"
     "Zarni-produkter og deres komponenter. Uden valgmuligheder starter det den\n"
     "interaktive guide i konsollen.\n"
     "\n"},
    {"usage_download",
     " Valgmuligheder for overførsel:\n"
     "    --source <URL eller absolut sti>\n"
     "                         Hent produkterne fra den angivne opdateringsserver\n"
     "                         eller spejlserver eller fra en lokal mappe.\n"
     "                         Eksempler på værdier:\n"
     "                           http://updates.zarni.example/\n"
     "                           http://mirror.zarni.example/zarni/\n"
     "                           /root/kestavine/mirror/\n"
     "\n"
     "    --target <dir>     Gem de hentede filer i den angivne mappe.\n"
     "                         Eksempel på værdi:\n"
     "                           /root/kestavine\n"
     "\n"
     "    --download-retry-count <nummer>\n"
     "                         Hvor mange gange en mislykket overførsel forsøges\n"
     "                         igen (standard: 3).\n"
     "\n"},
    {"usage_proxy",
     " Proxyvalgmuligheder:\n"
     "    --proxy-host <host>  Proxyserverens værtsnavn eller IP-adresse.\n"
     "\n"
     "    --proxy-port <port>  Proxyserverens port (standard: 3128).\n"
     "\n"
     "    --proxy-user <user>  Brugernavn til proxygodkendelse.\n"
     "\n"
     "    --proxy-password <password>\n"
     "                         Adgangskode til proxygodkendelse.\n"
     "\n"},
    {"usage_selectors",
     " Valgmuligheder for valg af produkt og udgivelse:\n"
     "    --select-product-id <produkt-id>\n"
     "                         Vælg det produkt, som de efterfølgende valgmuligheder\n"
     "                         gælder. Vælg produktets udgivelse med en af disse\n"
     "                         valgmuligheder:\n"
     "                           --select-release-id, --select-release-latest,\n"
     "                           --select-release-current\n"
     "\n"
     "    --select-release-id <release id>\n"
     "                         Vælg udgivelsen med det angivne id.\n"
     "\n"
     "    --select-release-latest\n"
     "                         Vælg produktets nyeste tilgængelige udgivelse.\n"
     "\n"
     "    --select-release-current\n"
     "                         Vælg produktets installerede udgivelse.\n"
     "\n"
     "    --tier <tiers>       Tilbyd kun udgivelserne fra de angivne niveauer, en\n"
     "                         kommasepareret liste som f.eks. stable,testing.\n"
     "                         Standard er \"stable,release,current\".\n"
     "\n"
     "    --all-versions        Filtrer ikke udgivelserne efter niveau. Med denne\n"
     "                         valgmulighed tilbyder installationsprogrammet\n"
     "                         udgivelserne fra alle niveauer, også prøveudgivelser.\n"
     "\n"},
    {"usage_install",
     " Valgmuligheder for installation:\n"
     "    --installation-type <type name>\n"
     " Installer komponenterne fra den angivne\n"
     " installationstype (for eksempel 'Recommended'\n"
     " eller 'Full') af den valgte\n"
     " produktudgivelse.\n"
     "                         Eksempler:\n"
     "                         1) de anbefalede komponenter af den nyeste Zarni:\n"
     "                           --select-product-id zarni --select-release-latest \\\n"
     "                           --installation-type Recommended\n"
     "                         2) alle komponenter af Zarni-udgivelsen ZARNI_12_5_30:\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --installation-type Full\n"
     "\n"
     "    --install-component <komponent-id>\n"
     "                         Installer den angivne komponent af den valgte\n"
     "                         produktudgivelse. Gentag valgmuligheden for at\n"
     "                         installere flere komponenter.\n"
     "                         Eksempler:\n"
     "                          1) tilføj Horde-webmail til den installerede Zarni:\n"
     "                          --select-product-id zarni --select-release-current \\\n"
     "                          --install-component horde\n"
     "                          2) installer Zarni 12.5.30 med panelet og Postfix:\n"
     "                          --select-product-id zarni \\\n"
     "                          --select-release-id ZARNI_12_5_30 \\\n"
     "                          --install-component panel --install-component postfix\n"
     "\n"
     "    --set-option <setting_name>=<setting_value>\n"
     "                         Angiv en komponentindstilling for det produkt, der er\n"
     "                         angivet med den foregående --select-product-id. Gentag\n"
     "                         valgmuligheden for at angive flere indstillinger.\n"
     "\n"},
    {"usage_remove",
     " Valgmuligheder for fjernelse:\n"
     "    --remove-component <komponent-id>\n"
     "                         Fjern den angivne komponent af det valgte produkt.\n"
     "                         Gentag valgmuligheden for at fjerne flere komponenter.\n"
     "                         Eksempler:\n"
     "                         1) fjern Horde-webmail fra Zarni:\n"
     "                           --select-product-id zarni --remove-component horde\n"
     "                         2) fjern to komponenter på én gang:\n"
     "                          --select-product-id zarni \\\n"
     "                          --remove-component horde \\\n"
     "                          --remove-component postfix\n"
     "\n"
     "    --remove-everything  Fjern alle komponenter af det valgte produkt, dvs.\n"
     "                         fjern selve produktet.\n"
     "                         Eksempel (fjern Zarni):\n"
     "                            --select-product-id zarni --remove-everything\n"
     "\n"
     "    --interactive-uninstall\n"
     "                         Vent sammen med --remove-everything på Enter, før\n"
     "                         Zarni Installer afslutter.\n"
     "\n"},
    {"usage_upgrade",
     " Valgmuligheder for opgradering:\n"
     "    --upgrade-installed-components\n"
     "                         Opgrader de installerede komponenter af det valgte\n"
     "                         produkt til den valgte udgivelse.\n"
     "                         Eksempler:\n"
     "                         1) installer de nyeste opdateringer til den\n"
     "                         installerede Zarni:\n"
     "                          --select-product-id zarni --select-release-current \\\n"
     "                          --upgrade-installed-components\n"
     "                         2) opgrader Zarni til udgivelsen ZARNI_12_5_30:\n"
     "                          --select-product-id zarni \\\n"
     "                          --select-release-id ZARNI_12_5_30 \\\n"
     "                          --upgrade-installed-components\n"
     "\n"
     "    --include-components-from-class <class>\n"
     "                         Opgrader kun de installerede komponenter af det valgte\n"
     "                         produkt, som tilhører den angivne klasse, for eksempel\n"
     "                         aspect=panel. Gentag valgmuligheden for at angive\n"
     "                         flere klasser.\n"
     "\n"},
    {"usage_no_warn",
     " Valgmuligheder for kontrol af komponenter:\n"
     "    --skip-components-check\n"
     "                         Kør ikke kontrollerne af komponenterne og produktet\n"
     "                         før og efter installationen. Zarni Installer kører\n"
     "                         disse kontroller for at finde problemer, der kan\n"
     "                         beskadige dine data, så spring dem kun over, når du\n"
     "                         er sikker på, at installationen er sikker.\n"
     "\n"},
    {"usage_list",
     " Valgmuligheder for visning af produkter, udgivelser og komponenter:\n"
     "    --show-releases         Vis de tilgængelige udgivelser af det valgte\n"
     "                         produkt (Zarni, når der ikke er valgt et produkt),\n"
     "                         med deres udgivelses-id'er og niveauer. Zarni\n"
     "                         Installer viser kun udgivelserne fra niveauerne\n"
     "                         \"stable\", \"release\" og \"current\", medmindre du\n"
     "                         bruger --all-versions eller angiver andre niveauer\n"
     "                         med --tier.\n"
     "\n"
     "    --show-all-releases  Vis alle tilgængelige produkter og deres udgivelser.\n"
     "\n"
     "    --show-os-list       Vis de operativsystemer, som den valgte udgivelse er\n"
     "                         bygget til.\n"
     "\n"
     "    --show-installation-types\n"
     "                         Vis installationstyperne for den valgte udgivelse.\n"
     "\n"
     "    --show-components Vis komponenterne i den valgte udgivelse, og om hver af\n"
     "                         dem er installeret, kan opgraderes eller er opdateret.\n"
     "                         Brug de viste komponent-id'er med --install-component\n"
     "                        og --remove-component.\n"
     "\n"
     "    --show-upgradable-components\n"
     "                         Vis kun de komponenter, der kan opgraderes.\n"
     "\n"
     "    --show-options       Vis sammen med --show-components også indstillingerne\n"
     "                         for hver komponent. Kan ikke kombineres med\n"
     "                         --show-upgradable-components.\n"
     "\n"
     "    --show-packages Vis sammen med valgmulighederne for installation,\n"
     " opgradering eller fjernelse kun de pakker, der ville blive installeret [I],\n"
     " opgraderet [U] eller fjernet [R], uden at ændre\n"
     " noget.\n"
     "\n"},
    {"usage_automation",
     " Valgmuligheder for automatisering:\n"
     "     --enable-xml-output   Udskriv svar og statusmeddelelser i XML-format til\n"
     "                          scripts og andre programmer. En installation kører\n"
     "                          så i baggrunden.\n"
     "\n"
     "     --query-status       Vis, om Zarni Installer kører, og i givet fald fasen\n"
     "                          og trinnet i dets arbejde. Svarets status er en af:\n"
     "                          query_ok   - Zarni Installer kører ikke\n"
     "                          query_busy - Zarni Installer kører\n"
     "\n"
     "     --check-updates      Kontroller, om der er opdateringer til det valgte\n"
     "                          produkt (Zarni, når der ikke er valgt et produkt).\n"
     "                          Eksempel:\n"
     "                          --select-product-id zarni --check-updates\n"
     "\n"
     "     --no-daemon        Installer sammen med --enable-xml-output i forgrunden,\n"
     "                          og vent, til installationen slutter.\n"
     "\n"},
    {"usage_web",
     " Valgmuligheder for webgrænsefladen:\n"
     "    --web-interface     Kør installationsguiden i en webbrowser i stedet for i\n"
     "                            konsollen. Guiden leveres på port 8447.\n"
     "\n"
     "    --ssl-cert <file.pem>\n"
     "                         Fil med certifikatet og den private nøgle til HTTPS.\n"
     "                         Som standard oprettes et selvsigneret certifikat.\n"
     "\n"
     "    --without-ssl Lever webgrænsefladen via almindelig HTTP.\n"
     "\n"},
    {"usage_override",
     " Valgmuligheder, der tilsidesætter det fundne operativsystem:\n"
     "    --override-os-name <arg>\n"
     "                         Brug det angivne navn på operativsystemet i stedet\n"
     "                         for det fundne.\n"
     "\n"
     "    --override-os-vendor <arg>\n"
     "                         Brug den angivne leverandør af operativsystemet i\n"
     "                         stedet for den fundne.\n"
     "\n"
     "    --override-os-version <arg>\n"
     "                         Brug den angivne version af operativsystemet i stedet\n"
     "                         for den fundne.\n"
     "\n"
     "    --override-os-arch <arg>\n"
     "                         Brug den angivne arkitektur i stedet for den fundne.\n"
     "\n"
     "    --override-environment <arg>\n"
     "                         Brug det angivne miljø i stedet for det fundne:\n"
     "                         'dedicated' eller 'cq'.\n"
     "\n"},
    {"usage_console",
     " Valgmuligheder for den interaktive konsolgrænseflade:\n"
     "     --no-clear         Ryd ikke skærmen, når der skiftes mellem guidens\n"
     "                          sider.\n"
     "\n"},
    {"usage_feedback",
     " Valgmuligheder for feedback:\n"
     "    --enable-feedback    Tillad Zarni Installer at sende en fejlrapport til\n"
     "                         Zarni-udviklerne, når der opstår et problem.\n"
     "\n"
     "    --disable-feedback   Send ikke fejlrapporter. Zarni Installer husker\n"
     "                         valget til senere kørsler.\n"
     "\n"},
    {"usage_logging",
     " Valgmuligheder for logføring og meddelelser:\n"
     "    --notify-email <email>\n"
     "                         Send en rapport om resultatet til den angivne\n"
     "                         mailadresse, når installationsprogrammet til Zarni\n"
     "                         er færdigt.\n"
     "\n"
     "    --truncate-log       Tøm installationsprogrammets logfil ved start.\n"
     "\n"
     "    --separate-logs      Skriv en separat logfil for hver kørsel af\n"
     "                         installationsprogrammet til Zarni.\n"
     "\n"
     "    --debug              Skriv fejlfindingsoplysninger i logfilen.\n"
     "\n"},
    {"usage_help",
     " Valgmuligheder for hjælp og version til Zarni Installer:\n"
     "    --version            Vis versionen af Zarni Installer.\n"
     "\n"
     "    --usage,\n"
     "    --help            Vis oversigten over den kommandobaserede grænseflade.\n"
     "\n"
     "    --help-options Vis denne hjælp til den valgmulighedsbaserede grænseflade.\n"
     "\n"},
    {"usage_obsolete",
     " Forældede valgmuligheder:\n"
     "    --disable-zarni-sys-updates\n"
     "                         Slog tidligere de opdateringer af operativsystemet\n"
     "                         fra, der leveres med Zarni. Den accepteres stadig,\n"
     "                         men ændrer ikke længere, hvad der installeres.\n"
     "\n"
     "    --install-everything\n"
     "                         Installer alle komponenter af den valgte\n"
     "                         produktudgivelse. Brug --installation-type 'Full' i\n"
     "                         stedet.\n"
     "\n"
     "    --branch <tiers>     Det samme som --tier.\n"
     "\n"
     "    --skip-branch-filter\n"
     "                         Det samme som --all-versions.\n"
     "\n"},
    {"usage_deprecated",
     " Udfasede valgmuligheder (accepteres, men ignoreres med en advarsel):\n"
     "    --source-type        Angav tidligere installationskildens type. Typen\n"
     "                         genkendes nu ud fra værdien af --source.\n"
     "\n"
     "    --add-source         Tilføjede tidligere en ekstra pakkekilde.\n"
     "\n"
     "    --show-additional-source-types\n"
     "                         Viste tidligere typerne af ekstra pakkekilder.\n"
     "\n"
     "    --show-additional-sources\n"
     "                         Viste tidligere de ekstra pakkekilder.\n"
     "\n"
     "    --mirror-os          Spejlede tidligere produktversioner til et andet\n"
     "                         operativsystem.\n"
     "\n"
     "    --install-system-only\n"
     "                         Installerede tidligere kun systempakkerne i Zarni\n"
     "                         Tenebrin.\n"
     "\n"
     "    --allow-kernel-install\n"
     "                         Tillod tidligere installation af kernepakker.\n"
     "\n"
     "    --disable-major-updates\n"
     "                         Forhindrede tidligere opgraderinger til en ny\n"
     "                         hovedudgivelse. Vælg i stedet den udgivelse, der skal\n"
     "                         installeres, med --select-release-id eller\n"
     "                         --select-release-current.\n"
     "\n"
     "    --upgrade-system-packages\n"
     "                         Opgraderede tidligere også operativsystemets pakker.\n"
     "\n"
     "    --reinstall-patch    Geninstallerede tidligere den nyeste programrettelse\n"
     "                         af de valgte produkter. Den kommandobaserede\n"
     "                         grænseflade ignorerer --repatch på samme måde.\n"
     "\n"
     "    --skip-patch         Sprang tidligere installationen af programrettelser\n"
     "                         over. Den kommandobaserede grænseflade ignorerer den\n"
     "                         på samme måde.\n"
     "\n"
     "    --no-space-check     Sprang tidligere kontrollen af ledig diskplads over.\n"
     "\n"},
    {"usage_end", "Se 'installer help' for at få oplysninger om den kommandobaserede grænseflade.\n"},
    {"usage_commands",
     "Anvendelse: installer KOMMANDO [VALGMULIGHEDER]\n"
     "\n"
     "Kommandoer til installationsprogrammet til Zarni:\n"
     "   list      Vis tilgængelige produkter, udgivelser, forvalg og komponenter\n"
     "   list-all    Vis alle tilgængelige produkter og deres udgivelser\n"
     "   install    Installer en produktudgivelse\n"
     "   update   Installer de nyeste opdateringer til installerede produkter\n"
     "   add     Tilføj komponenter til et installeret produkt\n"
     "   remove  Fjern komponenter fra et installeret produkt\n"
     "   upgrade  Opgrader et installeret produkt til en anden udgivelse\n"
     "   stop     Stop en kørende Zarni Installer\n"
     "   version   Vis versionen af Zarni Installer\n"
     "   help     Vis hjælp til en kommando\n"
     "\n"
     "Se 'installer help KOMMANDO' for at få hjælp til en bestemt kommando.\n"
     "Se 'installer --help-options' for at få hjælp til den valgmulighedsbaserede\n"
     "grænseflade.\n"},
    {"usage_cmd_prefix", "Anvendelse: installer "},
    {"usage_cmd_version", "Vis versionen af Zarni Installer."},
    {"usage_cmd_help", "Uden KOMMANDO vises kommandoerne. Med KOMMANDO vises hjælpen til den\nkommando; tilføj --verbose (-v) for at se flere af dens valgmuligheder."},
    {"usage_cmd_list_all", "Vis alle tilgængelige produkter og deres udgivelser."},
    {"usage_cmd_list",
     "Vis tilgængelige produkter og udgivelser. For en præcis udgivelse (et\n"
     "udgivelses-id eller et produkt-id og en version) vises dens\n"
     "installationsforvalg (--presets), dens komponenter (--components, med deres\n"
     "indstillinger, når --options tilføjes) eller konfigurationen af systemets\n"
     "pakkehåndtering til den (--sources)."},
    {"usage_cmd_install",
     "Installer en produktudgivelse. Uden vælgere installeres den nyeste\n"
     "tilgængelige udgivelse af Zarni. Vælg komponenterne med et forvalg (--preset,\n"
     "som --with og --without justerer), eller angiv dem med --components."},
    {"usage_cmd_upgrade",
     "Opgrader et installeret produkt til en anden udgivelse. Angiv udgivelsen med\n"
     "dens udgivelses-id, med et produkt-id og en version eller med et produkt-id\n"
     "og et niveau (den nyeste udgivelse på det niveau vælges). Uden en præcis\n"
     "udgivelse vises de tilgængelige udgivelser."},
    {"usage_cmd_update",
     "Installer de nyeste opdateringer til alle installerede produkter eller kun\n"
     "til PRODUCT uden at opgradere dem til en anden udgivelse."},
    {"usage_cmd_add", "Tilføj komponenter til et installeret produkt."},
    {"usage_cmd_remove", "Fjern komponenter fra et installeret produkt."},
    {"usage_cmd_add_remove_tail", "PRODUCT kan udelades, når der kun er installeret ét produkt.\n"},
    {"usage_cmd_stop",
     "Stop en kørende Zarni Installer. Den stopper ved det næste sikre punkt; med\n"
     "--terminate stopper den, selv mens der installeres pakker."},
    {"usage_components",
     "COMPONENTS er en liste over komponent-id'er. Adskil dem med mellemrum eller\n"
     "kommaer, eller gentag valgmuligheden:\n"
     " --components panel horde\n"
     " --components panel,horde\n"
     " --components panel --components horde\n"},
    {"usage_verbose", "Tilføj '--verbose' ('-v') for flere valgmuligheder, '--verbose=2' for alle."},
    {"usage_hdr_command_opts", "Valgmuligheder for kommandoen"},
    {"usage_hdr_general_opts", "Generelle valgmuligheder"},
    {"usage_hdr_download_opts", "Valgmuligheder for overførsel"},
    {"usage_hdr_proxy_opts", "Proxyvalgmuligheder"},
    {"usage_hdr_skip_opts", "Valgmuligheder, der springer trin over"},
    {"usage_hdr_env_opts", "Valgmuligheder, der tilsidesætter operativsystemet"},
    {"usage_opt_source", "Installationskilde: URL til opdateringsserveren eller en spejlserver eller absolut sti til en lokal mappe"},
    {"usage_opt_target", "Mappe til hentede filer"},
    {"usage_opt_tries", "Antal nye forsøg på en mislykket overførsel (standard: 3)"},
    {"usage_opt_ext", "URL til det Extensions Catalog, der skal bruges i stedet for det, produktet angiver"},
    {"usage_opt_proxy_host", "Proxyserverens værtsnavn eller IP-adresse"},
    {"usage_opt_proxy_port", "Proxyserverens port (standard: 3128)"},
    {"usage_opt_proxy_user", "Brugernavn til proxygodkendelse"},
    {"usage_opt_proxy_pass", "Adgangskode til proxygodkendelse"},
    {"usage_opt_skip_examine", "Kør ikke kontrollerne af komponenter og produkt før og efter installationen"},
    {"usage_opt_skip_gpg", "Kontroller ikke pakkernes GPG-signaturer"},
    {"usage_opt_skip_cleanup", "Bevar konfigurationen af pakkelagrene, når installationsprogrammet afslutter"},
    {"usage_opt_no_self_upgrade", "Erstat ikke Zarni Installer med en nyere eller ældre version af sig selv"},
    {"usage_opt_help", "Vis hjælpen til kommandoen"},
    {"usage_opt_xml", "Udskriv svar og statusmeddelelser i XML-format"},
    {"usage_opt_debug", "Skriv fejlfindingsoplysninger i logfilen"},
    {"usage_opt_truncate_log", "Tøm logfilen for installationsprogrammet til Zarni ved start"},
    {"usage_opt_separate_log", "Skriv en separat logfil for hver kørsel af installationsprogrammet til Zarni"},
    {"usage_opt_email", "Send en rapport om resultatet til denne mailadresse, når installationsprogrammet til Zarni er færdigt"},
    {"usage_opt_verbose", "Vis flere valgmuligheder i hjælpen: 1 for flere valgmuligheder, 2 for alle"},
    {"usage_opt_completion", "Udskriv kommandoens valgmuligheder til shell-fuldførelse (JSON)"},
    {"usage_opt_override_os_name", "Navn på operativsystemet, der skal bruges i stedet for det fundne"},
    {"usage_opt_override_os_vendor", "Leverandør af operativsystemet, der skal bruges i stedet for den fundne"},
    {"usage_opt_override_os_version", "Version af operativsystemet, der skal bruges i stedet for den fundne"},
    {"usage_opt_override_os_arch", "Arkitektur, der skal bruges i stedet for den fundne"},
    {"usage_opt_override_env", "Miljø, der skal bruges i stedet for det fundne: 'dedicated' eller 'cq'"},
    {"usage_opt_list_presets", "Vis udgivelsens installationsforvalg"},
    {"usage_opt_list_components", "Vis udgivelsens komponenter"},
    {"usage_opt_list_options", "Vis sammen med --components også indstillingerne for hver komponent"},
    {"usage_opt_dry_run", "Ændr intet; vis kun de pakker, der ville blive installeret [I], opgraderet [U] eller fjernet [R]"},
    {"usage_opt_install_preset", "Installer komponenterne i dette forvalg (installationstype), for eksempel 'Recommended' eller 'Full'"},
    {"usage_opt_install_with", "Komponenter, der skal installeres ud over forvalget"},
    {"usage_opt_install_without", "Komponenter i forvalget, der ikke skal installeres"},
    {"usage_opt_install_components", "Komponenter, der skal installeres, i stedet for et forvalg"},
    {"usage_opt_install_options", "Komponentindstillinger, hver angivet som name=value"},
    {"usage_opt_update_panel_only", "Installer kun opdateringerne til selve Zarni, ikke til de andre tjenester, som Zarni administrerer"},
    {"usage_opt_addremove_components", "Komponenter, der skal tilføjes eller fjernes"},
    {"usage_opt_stop_terminate", "Stop Zarni Installer, selv mens der installeres pakker (send SIGTERM i stedet for SIGHUP)"},
    {"error_supp_need", "Du kan søge efter en løsning på Zarnis supportwebsted på https://support.zarni.example/"},
    {"os_win2003_not_supported", "Windows Server 2003 understøttes ikke længere af Zarni. I henhold til Zarnis livscykluspolitik (https://www.zarni.example/legal/lifecycle-policy/) anbefaler vi, at du bruger en nyere version af operativsystemet."},
    {"os_win2008_not_supported_product_installed", "Windows Server 2008 understøttes ikke længere af Zarni. I henhold til Zarnis livscykluspolitik (https://www.zarni.example/legal/lifecycle-policy/) anbefaler vi, at du bruger en nyere version af operativsystemet. Følg migreringsvejledningen (https://www.zarni.example/en/121368) for at flytte Zarni til en server med et understøttet operativsystem."},
    {"os_win2008_not_supported_product_not_installed", "Windows Server 2008 understøttes ikke længere af Zarni. I henhold til Zarnis livscykluspolitik (https://www.zarni.example/legal/lifecycle-policy/) anbefaler vi, at du bruger en nyere version af operativsystemet."},
    {"os_win2008r2_not_supported_product_installed", "Windows Server 2008 R2 understøttes ikke længere af Zarni. I henhold til Zarnis livscykluspolitik (https://www.zarni.example/legal/lifecycle-policy/) anbefaler vi, at du bruger en nyere version af operativsystemet. Følg migreringsvejledningen (https://www.zarni.example/en/121368) for at flytte Zarni til en server med et understøttet operativsystem."},
    {"os_win2008r2_not_supported_product_not_installed", "Windows Server 2008 R2 understøttes ikke længere af Zarni. I henhold til Zarnis livscykluspolitik (https://www.zarni.example/legal/lifecycle-policy/) anbefaler vi, at du bruger en nyere version af operativsystemet."},
};

}  // namespace

void loadInstallerMessages_da_DK(Messages::messages_rep& catalogue)
{
    loadMessageTable(catalogue, kTable);
}
