// Finnish texts of the installer messages: program name, help pages, wizard, progress and status texts.
#include "messages/MessageLoaders.h"

namespace {

const MessagePair kTable[] = {
    {"Kitwright", "Zarni Installer"},
    {"usage_cmd_list_tail", "Esimerkkejä:\n  Näytä saatavilla olevat tuotteet:\n    list\n   Näytä Zarnin uusimmat saatavilla olevat julkaisut oletustasoilla:\n    list %1%\n   Näytä kaikki saatavilla olevat Zarnin julkaisut:\n    list %1% all\n   Näytä Zarnin uusin saatavilla oleva esiversio (taso 'testing'):\n    list %1% testing\n   Näytä Zarni %2% -version komponentit (valittu tuotetunnuksella ja versiolla):\n    list %1% %2% --components\n   Näytä Zarni %2% -version asennusesiasetukset (valittu julkaisutunnuksella):\n    list %3% --presets\n"},
    {"usage_cmd_install_tail", "Esimerkkejä:\n  Asenna suositellut komponentit Zarnin uusimmasta yleisesti saatavilla olevasta\n  julkaisusta:\n    install\n  Asenna Zarnin uusin saatavilla oleva esiversio:\n    install testing\n  Asenna Zarni %2% (valittu versiolla):\n    install %1% %2%\n  Asenna kaikki Zarnin komponentit ilman Java-tukea ja Horde-verkkopostia\n  (julkaisu valittu tunnuksella):\n    install %3% --preset Full --without java horde\n"},
    {"usage_cmd_upgrade_tail", "Esimerkkejä:\n  Päivitä Zarni %2% -versioon (valittu tuotetunnuksella ja versiolla):\n   upgrade %1% %2%\n  Päivitä Zarni %2% -versioon (valittu julkaisutunnuksella):\n   upgrade %3%\n  Päivitä Zarnin uusimpaan saatavilla olevaan vakaaseen julkaisuun:\n   upgrade %1% stable\n"},
    {"usage_cmd_update_tail", "Esimerkkejä:\n  Asenna uusimmat päivitykset kaikkiin asennettuihin tuotteisiin:\n    update\n  Päivitä Zarni-asennus:\n    update %1%\n  Asenna vain Zarnin päivitykset, älä päivitä muita Zarnin hallitsemia\n  palveluja, jos mahdollista (koskee vain tuotetta '%1%'):\n    update --panel-only\n"},
    {"usage_selector", "Kukin SELECTOR on jokin seuraavista:\n  tuotetunnus,      esim. '%1%'\n  julkaisutaso,     esim. 'stable' tai 'all', jos tasoa ei suodateta\n  julkaisuversio,   esim. '%2%'\n  julkaisutunnus,   esim. '%3%'\n\nTarkista kelvolliset valitsimet 'list'-komennolla.\n"},
    {"usage_product", "PRODUCT on tuotetunnuksen valitsin, esim. '%1%'.\nTarkista kelvolliset tuotetunnukset 'list'-komennolla.\n"},
    {"download_file", "Ladataan tiedostoa "},
    {"download_total_progress", "(%s/%s) "},
    {"download_retry_progress", " (uusintayritys %s/%s)"},
    {"download_retry", "%s. Yritetään uudelleen %s sekunnin kuluttua..."},
    {"progress_stage_init", "Zarni Installer -ohjelma käynnistettiin"},
    {"progress_stage_prep", "Valmistellaan järjestelmää"},
    {"progress_stage_resolv", "Ratkaistaan paketteja"},
    {"progress_stage_download", "Ladataan paketteja"},
    {"dpkg_register_new_arch", "Rekisteröidään arkkitehtuurin %s tuki"},
    {"examine_unpassed", "Komponenttien ja tuotteen tarkistus havaitsi ainakin yhden tärkeän ongelman:"},
    {"examine_post_results", "Komponenttien ja tuotteen tarkistuksen tulokset:"},
    {"examine_signal", "Signaali %s lopetti tarkistuksen."},
    {"examine_time_limit", "Tarkistus ei päättynyt %s sekunnissa, ja se pysäytettiin."},
    {"check_system_packages", "Tarkistetaan asennettuja paketteja... "},
    {"read_system_packages", "Haetaan tietoja asennetuista paketeista... "},
    {"status_not_locked", "Zarni Installer -ohjelma ei ole käynnissä."},
    {"status_locked_by_another", "Toinen päivitysprosessi on lukinnut päivitystoiminnon."},
    {"status_daemon_launched", "Zarni Installerin taustaprosessi käynnistettiin."},
    {"status_busy", "Toinen Zarni Installer -ohjelman esiintymä on jo käynnissä."},
    {"error_sys_stable", "Kaikkia paketteja ei asennettu."},
    {"error_sys_unsure", "Varoitus! Kaikkia paketteja ei asennettu.\nTarkista, toimivatko järjestelmäpalvelut."},
    {"error_sys_broken", "Huomio! Ohjelmistosi ei ehkä toimi."},
    {"error_rep_none", ""},
    {"error_rep_again", "Yritä asentaa paketit uudelleen myöhemmin."},
    {"error_supp_none", "Ratkaise tämä ongelma ja yritä asentaa paketit uudelleen."},
    {"components_allready_installed", "Sinulla on jo asennettuna tuotteiden uusin versio ja kaikki valitut komponentit. Asennus ei jatku."},
    {"releases_no_avail", "Asennus ei jatku, koska käyttöjärjestelmääsi\n\"%s\" ei tueta.\n\nTäydellinen luettelo tuetuista käyttöjärjestelmistä on\nZarnin julkaisutiedoissa.\n"},
    {"insttypes_page_hdr1", "Valitse asennustyyppi tuotteelle %s"},
    {"components_page_body2", "Valitse tuotteen %s komponentit, jotka haluat asentaa:"},
    {"components_page_num_selected", "%s/%s komponenttia valittu"},
    {"options_page_body2", "%s komponentin parametrit on määritettävä.\n"},
    {"options_page_body5", "\nKomponentti '%s': kaikki pakolliset parametrit on määritetty.\n"},
    {"packages_page_body_install", "Tuote tarvitsee toimiakseen %s pakettia, joita\nei löytynyt järjestelmästäsi.\n"},
    {"packages_page_body_upgrade", "%s pakettia on päivitettävä,\njotta tuote voidaan asentaa.\n"},
    {"packages_page_body_remove", "%s pakettia on asennettu, mutta ne poistetaan.\n"},
    {"install_start", "Muutoksia otetaan käyttöön järjestelmässä"},
    {"install_ok", "Muutokset otettiin käyttöön onnistuneesti."},
    {"err_send_mail", "Varoitus: Asennusraportin lähettäminen sähköpostilla epäonnistui."},
    {"err_read_prodsinfo", "Tuotetietojen lukeminen epäonnistui tiedostosta "},
    {"warn_deprecated_option", "VAROITUS: Komentorivin valinta '%s' on vanhentunut, ja se ohitetaan."},
    {"err_chk_md5", "Tarkistussumman laskeminen epäonnistui tiedostolle "},
    {"new_build_avail", "Varoitus: Palvelimella on saatavilla tuotteen uusi koontiversio."},
    {"added_comps_by_deps", "Seuraavat komponentit asennetaan, koska valitsemasi komponentit tarvitsevat niitä:"},
    {"removed_comps_by_deps", "Seuraavat komponentit poistetaan, koska ne ovat ristiriidassa asennettaviksi valitsemiesi komponenttien kanssa tai tarvitsevat poistettaviksi valitsemiasi komponentteja:"},
    {"err_dep_from_pkg_unresolved", "%s: Riippuvuudelle \"%s\" ei löytynyt\nsopivia ratkaisuja.\n"},
    {"err_pkg_downgrade", "Pakettia '%s' ei voi palauttaa versioon %s:\n  tällä hetkellä on asennettu versio %s."},
    {"err_pkg_clash", "Paketteja \"%s\" ja \"%s\" ei voi asentaa samanaikaisesti"},
    {"err_pkg_fileconfl", "koska ne ovat ristiriidassa tiedoston \"%s\" kanssa"},
    {"err_pkg_depconfl", "koska \"%s\" on ristiriidassa kohteen \"%s\" kanssa."},
    {"pkg_select_reason", "Paketti \"%s\" valittiin seuraavien riippuvuuksien vuoksi:"},
    {"pkg_select_depend", " \"%s\" paketista \"%s\""},
    {"deps_report_head", "Seuraavat voivat aiheuttaa asennuksen epäonnistumisen:"},
    {"deps_long_report", "Myös muita ongelmia havaittiin. Lisätietoja on\nlokitiedostossa: %s.\n"},
    {"user_canceled", "Käyttäjä keskeytti"},
    {"goto_webinterface_url", "\nVerkkoliittymä on nyt käynnistetty.\n  Siirry selaimella osoitteeseen %s.\n\n"},
    {"upgrade_from_not_supported_versions", "Voit päivittää tuotteen %s vain versioon %s tai aiempaan. Jos haluat päivittää uusimpaan versioon, lue seuraava artikkeli: %s"},
    {"stop_already_stopped", "Zarni Installer -ohjelma ei ole käynnissä."},
    {"stop_sent", "Zarni Installer -ohjelman sammutusta pyydettiin."},
    {"download_completed", "ladattu jo"},
    {"download_done", "valmis"},
    {"download_all_done", "Kaikki tiedostot ladattiin."},
    {"download_ext_catalog_feed", "Ladataan Extensions Catalog -syötettä..."},
    {"process_apt_get_update", "Päivitetään APT-pakettihakemistoa..."},
    {"question_continue", "Haluatko jatkaa?"},
    {"question_show_settings",
     "Syynä voi olla ongelma asennuslähteessä, yhteydessäsi tai asennusohjelman asetuksissa.\n"
     "Asennusohjelma lopetetaan korjaamattoman virheen vuoksi.\n"
     "Haluatko nähdä asennusohjelman nykyiset asetukset ja niiden muuttamisohjeet?"},
    {"examine_presetup", "Tarkistetaan komponentit ja tuote ennen asennusta"},
    {"examine_postsetup", "Tarkistetaan komponentit ja tuote asennuksen jälkeen"},
    {"examine_perform", "Tarkistetaan komponentteja ja tuotetta..."},
    {"examine_skip_yesno",
     "Jos jatkat asennusta tai päivitystä ratkaisematta havaittuja ongelmia,\n"
     "tietosi voivat vioittua.\n"},
    {"wizard_current_settings", "Nykyiset asetukset:"},
    {"yesno_retry", "Valitse Y (Kyllä) tai N (Ei)"},
    {"message_press_enter", "(jatka painamalla Enter-näppäintä)"},
    {"releases_reporter_no_updates", "Päivityksiä ei ole saatavilla."},
    {"releases_reporter_list_empty", "Asennettavia tuotteita ei ole saatavilla."},
    {"releases_page_hdr", "Tuotteet ja versiot"},
    {"releases_page_body", "Seuraavat tuoteversiot ovat saatavilla:"},
    {"releases_no_selected", "Tuoteversiota ei valittu."},
    {"releases_upgrade_request1", "Sinulla on asennettuna tuoteversio "},
    {"releases_upgrade_request2", ".\nHaluatko päivittää sen?"},
    {"wizard_legend_header", "Käytettävissä olevat toiminnot:"},
    {"wizard_legend_f_forward", "(F) Siirry eteenpäin"},
    {"wizard_legend_b_back", "(B) Siirry takaisin"},
    {"wizard_legend_q_quit", "(Q) Peruuta asennus"},
    {"wizard_legend_s_advanced_settings", "(S) Näytä lisäasetukset"},
    {"wizard_legend_a_select_all", "(A) Valitse kaikki"},
    {"wizard_legend_d_deselect_all", "(D) Poista kaikki valinnat"},
    {"wizard_legend_f_forward_specify_params", "(F) Siirry eteenpäin ja määritä parametrit"},
    {"wizard_legend_f_forward_skip_params", "(F) Siirry eteenpäin muuttamatta parametreja"},
    {"wizard_legend_u_specify_undefined_params", "(U) Siirry eteenpäin ja määritä vain määrittämättömät parametrit"},
    {"wizard_legend_r_redefine_params_all", "(R) Määritä kaikki parametrit uudelleen"},
    {"wizard_legend_r_redefine_params_one", "(R) Määritä tämän komponentin parametrit uudelleen"},
    {"wizard_legend_s_show_packages", "(S) Näytä pakettiluettelo"},
    {"wizard_prompt_action", "Valitse toiminto"},
    {"wizard_prompt_action_retry", "Kirjoita jokin yllä olevan selitteen merkeistä"},
    {"wizard_prompt_action_or_number", "Valitse toiminto tai numero"},
    {"wizard_prompt_action_or_number_retry", "Kirjoita numero tai toiminnon merkki yllä olevasta selitteestä"},
    {"wizard_prompt_number", "Valitse numero"},
    {"wizard_prompt_number_retry", "Kirjoita jokin yllä olevan luettelon numeroista"},
    {"hello_page_hdr", "Zarnin asennus- ja päivitystoiminto"},
    {"hello_page_body",
     "Tämä ohjattu toiminto auttaa sinua asentamaan Zarnin, päivittämään sen\n"
     "uudempaan julkaisuun sekä lisäämään tai poistamaan sen komponentteja.\n"
     "\n"
     "------ TÄRKEÄÄ ------\n"
     "\n"
     "* Varmuuskopioi tietosi ennen kuin päivität Zarnin tai poistat sen\n"
     "  komponentteja.\n"
     "\n"
     "* Älä keskeytä asennusta pakettien asennuksen aikana.\n"
     "\n"
     "* Zarnia jaetaan Zarnin käyttöoikeussopimuksen ehdoin. Lue sen ehdot\n"
     "  osoitteessa http://www.zarni.example/legal/terms/ ennen kuin jatkat:\n"
     "  asentamalla Zarnin hyväksyt ne.\n"},
    {"source_product_source", " Asenna tuotteet lähteestä: "},
    {"source_target_dir", " Tallenna ladatut tiedostot hakemistoon: "},
    {"source_from_zarni", "Zarnin päivityspalvelin"},
    {"source_from_network", "verkkosijainti"},
    {"source_from_local", "paikallinen hakemisto"},
    {"proxy_no_proxy", " Älä käytä välityspalvelinta"},
    {"proxy_no_auth", " Älä käytä välityspalvelimen todennusta"},
    {"proxy_proxy_host", " Käytä HTTP-välityspalvelinta (isäntä:portti): "},
    {"proxy_auth", " Käytä välityspalvelimen todennusta, käyttäjänimi: "},
    {"settings_download_retries", " Epäonnistuneen latauksen uusintayritysten määrä: "},
    {"settings_page_hdr", "Lisäasetukset"},
    {"settings_page_body",
     "Nämä asetukset (tuotteen jakelupakettien sijainti, ladattujen tiedostojen\n"
     "tallennuspaikka, välityspalvelimen asetukset, latausasetukset) voidaan määrittää\n"
     "joko komentorivillä tai määritystiedostossa.\n"
     "\n"
     " Komentorivi                | Määritystiedosto         | Yhteenveto\n"
     "----------------------------+--------------------------+--------------------\n"
     " --source <URL or path>     | SOURCE=<URL or path>     | asennuslähde\n"
     " --target <dir>             | TARGET=<dir>             | lataushakemisto\n"
     " --proxy-host <isäntä>      | PROXY_HOST=<isäntä>      | välityspalvelin\n"
     " --proxy-port <portti>      | PROXY_PORT=<portti>      | välityspalvelimen portti\n"
     " --proxy-user <user>        | PROXY_USER=<user>        | välityspalvelimen käyttäjä\n"
     " --proxy-password <pass>    | PROXY_PASSWORD=<pass>    | välityspalvelimen salasana\n"
     " --download-retry-count <N> | DOWNLOAD_RETRY_COUNT=<N> | latausyritykset\n"
     "\n"
     "Komentorivin argumentit ohittavat määritystiedoston. Asennusohjelma lukee\n"
     "määritystiedoston käynnistyessään; kirjoita kukin asetus omalle rivilleen,\n"
     "esimerkiksi PROXY_PORT=3128.\n"},
    {"settings_page_cfg", "Asennusohjelman määritystiedoston sijainti: "},
    {"insttypes_page_hdr", "Asennustyypit"},
    {"insttypes_page_body", "Asennustyyppi on ennalta määritetty komponenttijoukko. Valitse jokin niistä:"},
    {"components_page_hdr", "Ensisijaisten komponenttien luettelo"},
    {"components_page_hdr1", "Pääkomponenttien luettelo: "},
    {"components_page_body1", "Näytä tuotteen komponentit:"},
    {"components_page_body3", "Valitse komponentit, jotka haluat asentaa:"},
    {"components_page_bottom_toggle_components", "Vaihda vastaavan komponentin tila kirjoittamalla sen numero."},
    {"components_page_bottom_toggle_groups", "Vaihda vastaavan komponentin tila tai näytä ryhmä (merkitty <+>) kirjoittamalla sen numero."},
    {"components_toggle_also", "Tämän komponentin tilan vaihtaminen edellyttää, että myös"},
    {"components_install_also", "asennat tai päivität seuraavat komponentit: "},
    {"components_install_remove_them", "Haluatko tehdä tämän?"},
    {"components_remove_also", "poistat seuraavat komponentit: "},
    {"components_unmark_also", "poistat seuraavien komponenttien valinnan: "},
    {"components_atleast_one", "Jatkaaksesi sinun on valittava vähintään yksi komponentti."},
    {"components_deny_implicit_remove", "Jotta voit poistaa tämän komponentin tai komponenttiryhmän, sinun on ensin poistettava komponentit, joita ei voi poistaa epäsuorasti: "},
    {"components_group_toggle_also", "Näiden komponenttien tilan vaihtaminen edellyttää, että myös"},
    {"components_group_deny_conflict", "Näiden komponenttien tilaa ei voi vaihtaa, koska se rikkoisi seuraavien komponenttien riippuvuudet: "},
    {"components_group_deny_conflict_suggestion", "Yritä sen sijaan vaihtaa komponenttien tila yksi kerrallaan."},
    {"need_also_message", "Valitsemasi komponentit edellyttävät pakettien asentamista seuraavista komponenteista: \n"},
    {"need_also_remove_message", "Valitsemasi komponentit edellyttävät pakettien poistamista seuraavista komponenteista: \n"},
    {"options_page_hdr", "Komponenttien parametrit"},
    {"options_page_body1", " asennettavaksi valittua komponenttia edellyttää tiettyjen parametrien määrittämistä.\n"},
    {"options_page_body3", "Sinun on määritettävä nyt kaikki pakolliset parametrit.\n"},
    {"options_page_body4", "Kaikkien näiden komponenttien parametrit on jo määritetty.\n"},
    {"packages_page_hdr", "Pakettimuutokset"},
    {"packages_no_reqpackages", "Paketteja ei tarvitse asentaa, päivittää eikä poistaa."},
    {"install_remove", "Poistetaan paketteja: "},
    {"install_again", "Huomautus: Tuotteesta julkaistiin uusi koontiversio, kun Zarni Installer -ohjelma asensi paketteja.\nHaluatko asentaa sen?"},
    {"install_install_package", "Asennetaan paketteja: "},
    {"checking_comps_status", "Tunnistetaan asennettuja tuotekomponentteja."},
    {"checking_deps", "Tarkistetaan pakettiriippuvuuksia..."},
    {"err_set_proxyvar", "Varoitus: Paketinhallinnan välityspalvelimen ympäristömuuttujan asettaminen epäonnistui."},
    {"err_no_librpm", "Virhe: librpm-kirjastoa, joka lukee RPM-pakettitietokantaa, ei voi ladata."},
    {"err_no_pagers", "Varoitus: Apuohjelmia 'less' ja 'more' ei löytynyt."},
    {"installling_pkgs", "Asennetaan paketteja"},
    {"installing_pkglist", "Asennetaan seuraavat paketit:"},
    {"warn_apt_cdrom_in_source",
     "Varoitus: APT-lähdeluettelossasi on CD/DVD-lähde. Zarni Installer -ohjelma\n"
     "voi pysähtyä ja odottaa levyä. Jos levy ei ole käytettävissä, poista\n"
     "cdrom-rivit tiedostosta /etc/apt/sources.list ja hakemiston\n"
     "/etc/apt/sources.list.d/ tiedostoista ja suorita asennus uudelleen."},
    {"retype_password", "Kirjoita salasana uudelleen: "},
    {"webinterface_exit_by_timeout", " Zarni Installer -ohjelma suljettiin pitkän käyttämättömyyden vuoksi."},
    {"ask_customer_feedback", "Haluatko auttaa parantamaan Zarnia lähettämällä virheraportteja Zarnin\nkehittäjille, kun ongelma ilmenee?"},
    {"press_enter_to_exit", "Lopeta painamalla ENTER ..."},
    {"comps_no_options", "Millään luetelluista komponenteista ei ole asetuksia."},
    {"options_select_all_IPs", "Valitse kaikki IP-osoitteet"},
    {"searching_need_pkgs", "Etsitään tarvittavia paketteja..."},
    {"confirm_uninstallation", "Haluatko varmasti poistaa tuotteen %s ja kaikki sen komponentit?"},
    {"confirm_uninstallation_title", "Tuotteen %s poisto"},
    {"cancel_uninstallation", "Peruuta poisto"},
    {"error_supp_maybe", "Ratkaise tämä ongelma ja yritä asentaa paketit uudelleen.\nVoit etsiä ratkaisua Zarnin tukisivustosta osoitteessa https://support.zarni.example/"},
    {"usage_header",
     "Käyttö: installer [VALINNAT]\n"
     "\n"
     "Zarni Installer asentaa, päivittää ja poistaa Zarni-tuotteita ja niiden\n"
     "komponentteja. Ilman valintoja se käynnistää vuorovaikutteisen ohjatun\n"
     "toiminnon konsolissa.\n"
     "\n"},
    {"usage_download",
     " Latausvalinnat:\n"
     "    --source <URL or absolute path>\n"
     "                          Hae tuotteet annetusta päivityspalvelimesta tai\n"
     "                          peilipalvelimesta tai paikallisesta hakemistosta.\n"
     "                          Esimerkkiarvoja:\n"
     "                           http://updates.zarni.example/\n"
     "                           http://mirror.zarni.example/zarni/\n"
     "                           /root/kestavine/mirror/\n"
     "\n"
     "    --target <dir>      Tallenna ladatut tiedostot annettuun hakemistoon.\n"
     "                          Esimerkkiarvo:\n"
     "                           /root/kestavine\n"
     "\n"
     "    --download-retry-count <number>\n"
     "                          Kuinka monta kertaa epäonnistunut lataus yritetään\n"
     "                          uudelleen (oletus: 3).\n"
     "\n"},
    {"usage_proxy",
     " Välityspalvelimen valinnat:\n"
     "    --proxy-host <host>Välityspalvelimen isäntänimi tai IP-osoite.\n"
     "\n"
     "    --proxy-port <port> Välityspalvelimen portti (oletus: 3128).\n"
     "\n"
     "    --proxy-user <user> Välityspalvelimen todennuksen käyttäjänimi.\n"
     "\n"
     "    --proxy-password <password>\n"
     "                          Välityspalvelimen todennuksen salasana.\n"
     "\n"},
    {"usage_selectors",
     " Tuotteen ja julkaisun valinnat:\n"
     "    --select-product-id <product id>\n"
     "                          Valitse tuote, johon sen jälkeiset valinnat\n"
     "                          viittaavat. Valitse tuotteen julkaisu jollakin\n"
     "                          näistä valinnoista:\n"
     "                             --select-release-id, --select-release-latest,\n"
     "                             --select-release-current\n"
     "\n"
     "    --select-release-id <release id>\n"
     "                          Valitse julkaisu, jolla on annettu tunnus.\n"
     "\n"
     "    --select-release-latest\n"
     "                          Valitse tuotteen uusin saatavilla oleva julkaisu.\n"
     "\n"
     "    --select-release-current\n"
     "                          Valitse tuotteen asennettu julkaisu.\n"
     "\n"
     "    --tier <tiers>      Tarjoa vain annettujen tasojen julkaisuja; tasot\n"
     "                          pilkuin eroteltuna luettelona, kuten stable,testing.\n"
     "                          Oletus on \"stable,release,current\".\n"
     "\n"
     "    --all-versions       Älä suodata julkaisuja tason mukaan.\n"
     "                         Tämän valinnan avulla asennusohjelma tarjoaa kaikkien\n"
     "                          tasojen julkaisut, myös esiversiot.\n"
     "\n"},
    {"usage_install",
     " Asennusvalinnat:\n"
     "    --installation-type <type name>\n"
     "                          Asenna valitun tuotejulkaisun annetun asennustyypin\n"
     "                          (esimerkiksi 'Recommended' tai 'Full') komponentit.\n"
     "                          Esimerkkejä:\n"
     "                          1) Zarnin uusimman julkaisun suositellut komponentit:\n"
     "                             --select-product-id zarni --select-release-latest \\\n"
     "                             --installation-type Recommended\n"
     "                          2) kaikki Zarnin julkaisun ZARNI_12_5_30 komponentit:\n"
     "                             --select-product-id zarni \\\n"
     "                             --select-release-id ZARNI_12_5_30 \\\n"
     "                             --installation-type Full\n"
     "\n"
     "    --install-component <component id>\n"
     "                          Asenna valitun tuotejulkaisun annettu komponentti.\n"
     "                          Toista valinta, jos haluat asentaa useita\n"
     "                          komponentteja.\n"
     "                          Esimerkkejä:\n"
     "                          1) lisää Horde-verkkoposti asennettuun Zarniin:\n"
     "                             --select-product-id zarni --select-release-current \\\n"
     "                             --install-component horde\n"
     "                          2) asenna Zarni 12.5.30 paneelin ja Postfixin kanssa:\n"
     "                             --select-product-id zarni \\\n"
     "                             --select-release-id ZARNI_12_5_30 \\\n"
     "                             --install-component panel --install-component postfix\n"
     "\n"
     "    --set-option <setting_name>=<setting_value>\n"
     "                          Aseta komponenttiasetus tuotteelle, jonka edeltävä\n"
     "                          --select-product-id nimeää. Toista valinta, jos\n"
     "                          haluat asettaa useita asetuksia.\n"
     "\n"},
    {"usage_remove",
     " Poistovalinnat:\n"
     "    --remove-component <component id>\n"
     "                         Poista valitun tuotteen annettu komponentti.\n"
     "                          Toista valinta, jos haluat poistaa useita\n"
     "                          komponentteja.\n"
     "                          Esimerkkejä:\n"
     "                          1) poista Horde-verkkoposti Zarnista:\n"
     "                             --select-product-id zarni --remove-component horde\n"
     "                          2) poista kaksi komponenttia kerralla:\n"
     "                             --select-product-id zarni \\\n"
     "                             --remove-component horde \\\n"
     "                             --remove-component postfix\n"
     "\n"
     "    --remove-everything  Poista valitun tuotteen kaikki komponentit eli\n"
     "                         poista itse tuote.\n"
     "                          Esimerkki (poista Zarni):\n"
     "                             --select-product-id zarni --remove-everything\n"
     "\n"
     "    --interactive-uninstall\n"
     "                          Yhdessä --remove-everything -valinnan kanssa odota\n"
     "                          Enter-näppäintä ennen Zarni Installer -ohjelman\n"
     "                          sulkeutumista.\n"
     "\n"},
    {"usage_upgrade",
     " Päivitysvalinnat:\n"
     "    --upgrade-installed-components\n"
     "                          Päivitä valitun tuotteen asennetut komponentit\n"
     "                          valittuun julkaisuun.\n"
     "                          Esimerkkejä:\n"
     "                          1) asenna asennetun Zarnin uusimmat päivitykset:\n"
     "                             --select-product-id zarni --select-release-current \\\n"
     "                             --upgrade-installed-components\n"
     "                          2) päivitä Zarni julkaisuun ZARNI_12_5_30:\n"
     "                             --select-product-id zarni \\\n"
     "                             --select-release-id ZARNI_12_5_30 \\\n"
     "                             --upgrade-installed-components\n"
     "\n"
     "    --include-components-from-class <class>\n"
     "                          Päivitä vain ne valitun tuotteen asennetut\n"
     "                          komponentit, jotka kuuluvat annettuun luokkaan,\n"
     "                          esimerkiksi aspect=panel. Toista valinta, jos haluat\n"
     "                          nimetä useita luokkia.\n"
     "\n"},
    {"usage_no_warn",
     " Komponenttien tarkistuksen valinnat:\n"
     "    --skip-components-check\n"
     "                          Älä suorita komponenttien ja tuotteen tarkistuksia\n"
     "                          ennen asennusta ja sen jälkeen. Zarni Installer\n"
     "                          suorittaa nämä tarkistukset löytääkseen ongelmat,\n"
     "                          jotka voivat vioittaa tietojasi, joten ohita ne vain,\n"
     "                          kun olet varma, että asennus on turvallinen.\n"
     "\n"},
    {"usage_list",
     " Tuotteiden, julkaisujen ja komponenttien luettelointivalinnat:\n"
     "    --show-releases      Näytä valitun tuotteen (Zarnin, jos tuotetta ei ole\n"
     "                          valittu) saatavilla olevat julkaisut julkaisu-\n"
     "                          tunnuksineen ja tasoineen. Zarni Installer näyttää\n"
     "                          vain tasojen \"stable\", \"release\" ja \"current\"\n"
     "                          julkaisut, ellet käytä --all-versions -valintaa tai\n"
     "                          määritä muita tasoja valinnalla\n"
     "                           --tier.\n"
     "\n"
     "    --show-all-releases   Näytä kaikki saatavilla olevat tuotteet ja niiden\n"
     "                          julkaisut.\n"
     "\n"
     "    --show-os-list   Näytä käyttöjärjestelmät, joille valittu julkaisu on\n"
     "                          koottu.\n"
     "\n"
     "    --show-installation-types\n"
     "                          Näytä valitun julkaisun asennustyypit.\n"
     "\n"
     "    --show-components   Näytä valitun julkaisun komponentit ja se, onko kukin\n"
     "                          asennettu, voidaanko se päivittää vai onko se ajan\n"
     "                          tasalla. Käytä näytettyjä komponenttitunnuksia\n"
     "                          valintojen --install-component ja --remove-component\n"
     "                          kanssa.\n"
     "\n"
     "    --show-upgradable-components\n"
     "                          Näytä vain komponentit, jotka voidaan päivittää.\n"
     "\n"
     "    --show-options      Näytä kunkin komponentin asetukset, kun käytetään\n"
     "                          yhdessä valinnan\n"
     "                           --show-components. Ei voi käyttää yhdessä\n"
     "                          --show-upgradable-components -valinnan kanssa.\n"
     "\n"
     "    --show-packages      Yhdessä asennus-, päivitys- tai poistovalintojen\n"
     "                          kanssa näytä vain paketit, jotka asennettaisiin [I],\n"
     "                          päivitettäisiin [U] tai poistettaisiin [R], mitään\n"
     "                          muuttamatta.\n"
     "\n"},
    {"usage_automation",
     " Automaation valinnat:\n"
     "    --enable-xml-output  Tulosta vastaukset ja tilaviestit XML-muodossa\n"
     "                          komentosarjoja ja muita ohjelmia varten. Asennus\n"
     "                          suoritetaan tällöin taustalla.\n"
     "\n"
     "    --query-status      Näytä, onko Zarni Installer käynnissä, ja jos on,\n"
     "                          sen työn vaihe ja askel. Vastauksen tila on jokin\n"
     "                          seuraavista:\n"
     "                            query_ok   - Zarni Installer ei ole käynnissä\n"
     "                            query_busy - Zarni Installer on käynnissä\n"
     "\n"
     "    --check-updates      Tarkista, onko valitulle tuotteelle (Zarnille, jos\n"
     "                          tuotetta ei ole valittu) saatavilla päivityksiä.\n"
     "                          Esimerkki:\n"
     "                          --select-product-id zarni --check-updates\n"
     "\n"
     "    --no-daemon        Yhdessä --enable-xml-output -valinnan kanssa asenna\n"
     "                          etualalla ja odota, kunnes asennus päättyy.\n"
     "\n"},
    {"usage_web",
     " Verkkoliittymän valinnat:\n"
     "    --web-interface       Suorita ohjattu asennus verkkoselaimessa konsolin\n"
     "                          sijaan. Ohjattu toiminto on portissa 8447.\n"
     "\n"
     "    --ssl-cert <file.pem>\n"
     "                          Tiedosto, jossa on HTTPS:n varmenne ja yksityinen\n"
     "                          avain. Oletusarvoisesti luodaan itse allekirjoitettu\n"
     "                          varmenne.\n"
     "\n"
     "    --without-ssl        Tarjoa verkkoliittymä salaamattomalla HTTP:llä.\n"
     "\n"},
    {"usage_override",
     " Tunnistetun käyttöjärjestelmän ohittavat valinnat:\n"
     "    --override-os-name <arg>\n"
     "                          Käytä annettua käyttöjärjestelmän nimeä tunnistetun\n"
     "                          sijaan.\n"
     "\n"
     "    --override-os-vendor <arg>\n"
     "                          Käytä annettua käyttöjärjestelmän toimittajaa\n"
     "                          tunnistetun sijaan.\n"
     "\n"
     "    --override-os-version <arg>\n"
     "                          Käytä annettua käyttöjärjestelmän versiota\n"
     "                          tunnistetun sijaan.\n"
     "\n"
     "    --override-os-arch <arg>\n"
     "                          Käytä annettua arkkitehtuuria tunnistetun sijaan.\n"
     "\n"
     "    --override-environment <arg>\n"
     "                          Käytä annettua ympäristöä tunnistetun sijaan:\n"
     "                          'dedicated' tai 'cq'.\n"
     "\n"},
    {"usage_console",
     " Vuorovaikutteisen konsoliliittymän valinnat:\n"
     "    --no-clear            Älä tyhjennä näyttöä siirryttäessä ohjatun\n"
     "                          toiminnon sivulta toiselle.\n"
     "\n"},
    {"usage_feedback",
     " Palautevalinnat:\n"
     "    --enable-feedback    Salli Zarni Installer -ohjelman lähettää\n"
     "                          virheraportti Zarnin kehittäjille, kun ongelma\n"
     "                          ilmenee.\n"
     "\n"
     "    --disable-feedback   Älä lähetä virheraportteja. Zarni Installer\n"
     "                         muistaa valinnan myöhempiä suorituskertoja\n"
     "                         varten.\n"
     "\n"},
    {"usage_logging",
     " Lokiin kirjaamisen ja ilmoitusten valinnat:\n"
     "    --notify-email <email>\n"
     "                          Kun Zarni Installer päättyy, lähetä raportti\n"
     "                          tuloksesta annettuun sähköpostiosoitteeseen.\n"
     "\n"
     "    --truncate-log       Tyhjennä Zarni Installer -ohjelman lokitiedosto\n"
     "                          käynnistettäessä.\n"
     "\n"
     "    --separate-logs      Kirjoita erillinen lokitiedosto jokaisesta Zarni\n"
     "                          Installer -ohjelman suorituskerrasta.\n"
     "\n"
     "    --debug               Kirjoita virheenkorjaustiedot lokitiedostoon.\n"
     "\n"},
    {"usage_help",
     " Zarni Installer -ohjelman ohje- ja versiovalinnat:\n"
     "    --version          Näytä Zarni Installer -ohjelman versio.\n"
     "\n"
     "    --usage,\n"
     "    --help              Näytä komentopohjaisen liittymän yleiskatsaus.\n"
     "\n"
     "    --help-options       Näytä tämä valintapohjaisen liittymän ohje.\n"
     "\n"},
    {"usage_obsolete",
     " Vanhentuneet valinnat:\n"
     "    --disable-zarni-sys-updates\n"
     "                          Poisti aiemmin käytöstä Zarnin mukana toimitetut\n"
     "                          käyttöjärjestelmän päivitykset. Valinta hyväksytään\n"
     "                          yhä, mutta se ei enää muuta asennettavia osia.\n"
     "\n"
     "    --install-everything\n"
     "                          Asenna valitun tuotejulkaisun kaikki komponentit.\n"
     "                          Käytä sen sijaan valintaa --installation-type 'Full'.\n"
     "\n"
     "    --branch <tiers>\n"
     "                          Sama kuin --tier.\n"
     "\n"
     "    --skip-branch-filter\n"
     "                          Sama kuin --all-versions.\n"
     "\n"},
    {"usage_deprecated",
     " Käytöstä poistuvat valinnat (hyväksytään, mutta ohitetaan varoituksella):\n"
     "    --source-type        Asetti aiemmin asennuslähteen\n"
     "                         tyypin. Tyyppi tunnistetaan nyt\n"
     "                         valinnan --source arvosta.\n"
     "\n"
     "    --add-source       Lisäsi aiemmin ylimääräisen pakettilähteen.\n"
     "\n"
     "    --show-additional-source-types\n"
     "                          Näytti aiemmin ylimääräisten pakettilähteiden tyypit.\n"
     "\n"
     "    --show-additional-sources\n"
     "                          Näytti aiemmin ylimääräiset pakettilähteet.\n"
     "\n"
     "    --mirror-os\n"
     "                          Peilasi aiemmin tuoteversioita toiselle\n"
     "                          käyttöjärjestelmälle.\n"
     "\n"
     "    --install-system-only\n"
     "                          Asensi aiemmin vain Zarni Tenebrinin\n"
     "                          järjestelmäpaketit.\n"
     "\n"
     "    --allow-kernel-install\n"
     "                          Salli aiemmin ydinpakettien asennuksen.\n"
     "\n"
     "    --disable-major-updates\n"
     "                          Esti aiemmin päivitykset uuteen pääjulkaisuun.\n"
     "                          Valitse sen sijaan asennettava julkaisu valinnalla\n"
     "                          --select-release-id tai --select-release-current.\n"
     "\n"
     "    --upgrade-system-packages\n"
     "                          Päivitti aiemmin myös käyttöjärjestelmän paketit.\n"
     "\n"
     "    --reinstall-patch\n"
     "                          Asensi aiemmin valittujen tuotteiden uusimman\n"
     "                          korjauksen uudelleen. Komentopohjainen liittymä\n"
     "                          ohittaa valinnan --repatch samalla tavalla.\n"
     "\n"
     "    --skip-patch\n"
     "                          Ohitti aiemmin korjausten asennuksen.\n"
     "                          Komentopohjainen liittymä ohittaa sen samalla tavalla.\n"
     "\n"
     "    --no-space-check     Ohitti aiemmin vapaan levytilan tarkistuksen.\n"
     "\n"},
    {"usage_end", "Katso komentopohjaisen liittymän tiedot komennolla 'installer help'.\n"},
    {"usage_commands",
     "Käyttö: installer KOMENTO [VALINNAT]\n"
     "\n"
     "Komennot:\n"
     "   list     Näytä tuotteet, julkaisut, esiasetukset ja komponentit\n"
     "   list-all   Näytä kaikki saatavilla olevat tuotteet ja niiden julkaisut\n"
     "   install   Asenna tuotejulkaisu\n"
     "   update  Asenna asennettujen tuotteiden uusimmat päivitykset\n"
     "   add    Lisää komponentteja asennettuun tuotteeseen\n"
     "   remove  Poista komponentteja asennetusta tuotteesta\n"
     "   upgrade  Päivitä asennettu tuote toiseen julkaisuun\n"
     "   stop    Pysäytä käynnissä oleva Zarni Installer\n"
     "   version  Näytä Zarni Installer -ohjelman versio\n"
     "   help    Näytä komennon ohje\n"
     "\n"
     "Katso tietyn komennon ohje komennolla 'installer help COMMAND'.\n"
     "Katso valintapohjaisen liittymän ohje komennolla 'installer --help-options'.\n"},
    {"usage_cmd_prefix", "Käyttö: installer "},
    {"usage_cmd_version", "Näytä Zarni Installer -ohjelman versio."},
    {"usage_cmd_help", "Ilman COMMAND-argumenttia näytä komennot. COMMAND-argumentin kanssa näytä sen\nkomennon ohje; lisää --verbose (-v) nähdäksesi enemmän sen valinnoista."},
    {"usage_cmd_list_all", "Näytä kaikki saatavilla olevat tuotteet ja niiden julkaisut."},
    {"usage_cmd_list",
     "Näytä saatavilla olevat tuotteet ja julkaisut. Tarkalle julkaisulle\n"
     "(julkaisutunnus tai tuotetunnus ja versio) näytä sen asennusesiasetukset\n"
     "(--presets), komponentit (--components, asetuksineen, kun lisätään --options)\n"
     "tai järjestelmän paketinhallinnan määritykset sitä varten (--sources)."},
    {"usage_cmd_install",
     "Asenna tuotejulkaisu. Ilman valitsimia asennetaan Zarnin uusin saatavilla oleva\n"
     "julkaisu. Valitse komponentit esiasetuksella (--preset, jota --with ja\n"
     "--without säätävät) tai nimeä ne valinnalla --components."},
    {"usage_cmd_upgrade",
     "Päivitä asennettu tuote toiseen julkaisuun. Nimeä julkaisu julkaisutunnuksella,\n"
     "tuotetunnuksella ja versiolla tai tuotetunnuksella ja tasolla (tason uusin\n"
     "julkaisu valitaan). Ilman tarkkaa julkaisua näytetään saatavilla olevat\n"
     "julkaisut."},
    {"usage_cmd_update",
     "Asenna kaikkien asennettujen tuotteiden tai vain PRODUCT-tuotteen uusimmat\n"
     "päivitykset päivittämättä niitä toiseen julkaisuun."},
    {"usage_cmd_add", "Lisää komponentteja asennettuun tuotteeseen."},
    {"usage_cmd_remove", "Poista komponentteja asennetusta tuotteesta."},
    {"usage_cmd_add_remove_tail", "PRODUCT voidaan jättää pois, kun vain yksi tuote on asennettu.\n"},
    {"usage_cmd_stop",
     "Pysäytä käynnissä oleva Zarni Installer. Se pysähtyy seuraavassa turvallisessa\n"
     "kohdassa; valinnalla --terminate se pysähtyy myös pakettien asennuksen aikana."},
    {"usage_components",
     "COMPONENTS on luettelo komponenttitunnuksista. Erota ne välilyönneillä tai\n"
     "pilkuilla tai toista valinta:\n"
     "  --components panel horde\n"
     "  --components panel,horde\n"
     "  --components panel --components horde\n"},
    {"usage_verbose", "Lisää '--verbose' (tai '-v') nähdäksesi enemmän valintoja, '--verbose=2' kaikki."},
    {"usage_hdr_command_opts", "Komennon valinnat"},
    {"usage_hdr_general_opts", "Yleiset valinnat"},
    {"usage_hdr_download_opts", "Latausvalinnat"},
    {"usage_hdr_proxy_opts", "Välityspalvelimen valinnat"},
    {"usage_hdr_skip_opts", "Vaiheiden ohitusvalinnat"},
    {"usage_hdr_env_opts", "Käyttöjärjestelmän ohitusvalinnat"},
    {"usage_opt_source", "Asennuslähde: päivityspalvelimen tai peilipalvelimen URL-osoite tai paikallisen hakemiston absoluuttinen polku"},
    {"usage_opt_target", "Ladattujen tiedostojen hakemisto"},
    {"usage_opt_tries", "Epäonnistuneen latauksen uusintayritysten määrä (oletus: 3)"},
    {"usage_opt_ext", "Extensions Catalogin URL-osoite, jota käytetään tuotteen nimeämän sijaan"},
    {"usage_opt_proxy_host", "Välityspalvelimen isäntänimi tai IP-osoite"},
    {"usage_opt_proxy_port", "Välityspalvelimen portti (oletus: 3128)"},
    {"usage_opt_proxy_user", "Välityspalvelimen todennuksen käyttäjänimi"},
    {"usage_opt_proxy_pass", "Välityspalvelimen todennuksen salasana"},
    {"usage_opt_skip_examine", "Älä suorita komponenttien ja tuotteen tarkistuksia ennen asennusta ja sen jälkeen"},
    {"usage_opt_skip_gpg", "Älä tarkista pakettien GPG-allekirjoituksia"},
    {"usage_opt_skip_cleanup", "Säilytä pakettisäilöjen määritykset, kun asennusohjelma lopetetaan"},
    {"usage_opt_no_self_upgrade", "Älä korvaa Zarni Installerin ohjelmaa sen uudemmalla tai vanhemmalla versiolla"},
    {"usage_opt_help", "Näytä komennon ohje"},
    {"usage_opt_xml", "Tulosta vastaukset ja tilaviestit XML-muodossa"},
    {"usage_opt_debug", "Kirjoita virheenkorjaustiedot lokitiedostoon"},
    {"usage_opt_truncate_log", "Tyhjennä Zarni Installer -ohjelman lokitiedosto käynnistettäessä"},
    {"usage_opt_separate_log", "Kirjoita erillinen lokitiedosto jokaisesta Zarni Installer -ohjelman suorituskerrasta"},
    {"usage_opt_email", "Kun Zarni Installer päättyy, lähetä raportti tuloksesta tähän sähköpostiosoitteeseen"},
    {"usage_opt_verbose", "Näytä ohjeessa enemmän valintoja: 1 lisää valintoja, 2 kaikki valinnat"},
    {"usage_opt_completion", "Tulosta komennon valinnat komentotulkin täydennystä varten (JSON)"},
    {"usage_opt_override_os_name", "Käyttöjärjestelmän nimi, jota käytetään tunnistetun sijaan"},
    {"usage_opt_override_os_vendor", "Käyttöjärjestelmän toimittaja, jota käytetään tunnistetun sijaan"},
    {"usage_opt_override_os_version", "Käyttöjärjestelmän versio, jota käytetään tunnistetun sijaan"},
    {"usage_opt_override_os_arch", "Arkkitehtuuri, jota käytetään tunnistetun sijaan"},
    {"usage_opt_override_env", "Ympäristö, jota käytetään tunnistetun sijaan: 'dedicated' tai 'cq'"},
    {"usage_opt_list_presets", "Näytä julkaisun asennusesiasetukset"},
    {"usage_opt_list_components", "Näytä julkaisun komponentit"},
    {"usage_opt_list_options", "Näytä --components -valinnan kanssa myös kunkin komponentin asetukset"},
    {"usage_opt_dry_run", "Älä muuta mitään; näytä vain paketit, jotka asennettaisiin [I], päivitettäisiin [U] tai poistettaisiin [R]"},
    {"usage_opt_install_preset", "Asenna tämän esiasetuksen (asennustyypin) komponentit, esimerkiksi 'Recommended' tai 'Full'"},
    {"usage_opt_install_with", "Esiasetuksen lisäksi asennettavat komponentit"},
    {"usage_opt_install_without", "Esiasetuksen komponentit, joita ei asenneta"},
    {"usage_opt_install_components", "Asennettavat komponentit esiasetuksen sijaan"},
    {"usage_opt_install_options", "Komponenttiasetukset, kukin muodossa name=value"},
    {"usage_opt_update_panel_only", "Asenna vain itse Zarnin päivitykset, ei muiden Zarnin hallitsemien palvelujen"},
    {"usage_opt_addremove_components", "Lisättävät tai poistettavat komponentit"},
    {"usage_opt_stop_terminate", "Pysäytä Zarni Installer myös pakettien asennuksen aikana (lähetä SIGTERM SIGHUPin sijaan)"},
    {"error_supp_need", "Voit etsiä ratkaisua Zarnin tukisivustosta osoitteessa https://support.zarni.example/"},
    {"os_win2003_not_supported", "Zarni ei enää tue Windows Server 2003 -käyttöjärjestelmää. Zarnin elinkaarikäytännön (https://www.zarni.example/legal/lifecycle-policy/) mukaisesti suosittelemme käyttöjärjestelmän uudemman version käyttöä."},
    {"os_win2008_not_supported_product_installed", "Zarni ei enää tue Windows Server 2008 -käyttöjärjestelmää. Zarnin elinkaarikäytännön (https://www.zarni.example/legal/lifecycle-policy/) mukaisesti suosittelemme käyttöjärjestelmän uudemman version käyttöä. Jos haluat siirtää Zarnin palvelimelle, jolla on tuettu käyttöjärjestelmä, noudata siirto-ohjetta (https://www.zarni.example/en/121368)."},
    {"os_win2008_not_supported_product_not_installed", "Zarni ei enää tue Windows Server 2008 -käyttöjärjestelmää. Zarnin elinkaarikäytännön (https://www.zarni.example/legal/lifecycle-policy/) mukaisesti suosittelemme käyttöjärjestelmän uudemman version käyttöä."},
    {"os_win2008r2_not_supported_product_installed", "Zarni ei enää tue Windows Server 2008 R2 -käyttöjärjestelmää. Zarnin elinkaarikäytännön (https://www.zarni.example/legal/lifecycle-policy/) mukaisesti suosittelemme käyttöjärjestelmän uudemman version käyttöä. Jos haluat siirtää Zarnin palvelimelle, jolla on tuettu käyttöjärjestelmä, noudata siirto-ohjetta (https://www.zarni.example/en/121368)."},
    {"os_win2008r2_not_supported_product_not_installed", "Zarni ei enää tue Windows Server 2008 R2 -käyttöjärjestelmää. Zarnin elinkaarikäytännön (https://www.zarni.example/legal/lifecycle-policy/) mukaisesti suosittelemme käyttöjärjestelmän uudemman version käyttöä."},
};

}  // namespace

void loadInstallerMessages_fi_FI(Messages::messages_rep& catalogue)
{
    loadMessageTable(catalogue, kTable);
}
