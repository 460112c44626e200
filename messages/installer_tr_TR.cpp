// Turkish texts of the installer messages: program name, help pages, wizard, progress and status texts.
#include "messages/MessageLoaders.h"

namespace {

const MessagePair kTable[] = {
    {"Kitwright", "Zarni Kurulumcusu"},
    {"usage_cmd_list_tail",
     "Örnekler:\n"
     "  Kullanılabilen ürünleri listeleme:\n"
     "   list\n"
     "  Varsayılan düzeylerle en son kullanılabilen Zarni yayımlarını listeleme:\n"
     "   list %1%\n"
     "  Kullanılabilen tüm Zarni yayımlarını listeleme:\n"
     "   list %1% all\n"
     "  En son kullanılabilen Zarni önizleme yayımını gösterme ('testing' düzeyi):\n"
     "   list %1% testing\n"
     "  Zarni %2% sürümünün bileşenlerini listeleme (ürün kimliği ve sürümle seçilir):\n"
     "   list %1% %2%\n"
     "  Zarni %2% sürümünün kurulum ön ayarlarını listeleme (yayım kimliğiyle seçilir):\n"
     "   list %3% --presets\n"},
    {"usage_cmd_install_tail",
     "Örnekler:\n"
     "  Zarni'nin genel kullanıma sunulmuş en son yayımının önerilen bileşenlerini\n"
     "  kurma:\n"
     "   install\n"
     "  Zarni'nin kullanılabilen en son önizleme yayımını kurma:\n"
     "   install testing\n"
     "  Zarni %2% sürümünü kurma (sürümle seçilir):\n"
     "   install %1% %2%\n"
     "  Zarni bileşenlerinin tam kümesini Java desteği ve Horde web postası olmadan\n"
     "  kurma (yayım kimliğiyle seçilir):\n"
     "   install %3% --preset Full --without java horde\n"},
    {"usage_cmd_upgrade_tail",
     "Örnekler:\n"
     "  Zarni %2% sürümüne yükseltme (ürün kimliği ve sürümle seçilir):\n"
     "   upgrade %1% %2%\n"
     "  Zarni %2% sürümüne yükseltme (yayım kimliğiyle seçilir):\n"
     "   upgrade %3%\n"
     "  Kullanılabilen en son kararlı Zarni yayımına yükseltme:\n"
     "   upgrade %1% stable\n"},
    {"usage_cmd_update_tail",
     "Örnekler:\n"
     "  Kurulu tüm ürünler için kullanılabilen en son güncellemeleri kurma:\n"
     "   update\n"
     "  Zarni kurulumunu güncelleme:\n"
     "   update %1%\n"
     "  Yalnızca Zarni güncellemelerini kurma, mümkünse Zarni'nin yönettiği diğer\n"
     "  hizmetleri güncellememe (yalnızca '%1%' ürünü için geçerlidir):\n"
     "   update --panel-only\n"
     "  Zarni'nin en son yamasını yeniden kurma (artık yok sayılır):\n"
     "   update zarni --repatch\n"},
    {"usage_selector",
     "Her SEÇİCİ şunlardan biridir:\n"
     "  ürün kimliği,      ör. '%1%'\n"
     "  yayım düzeyi,      ör. 'stable' ya da düzeye göre süzmemek için 'all'\n"
     "  yayım sürümü,      ör. '%2%'\n"
     "  yayım kimliği,     ör. '%3%'\n"
     "\n"
     "Hangi seçicilerin geçerli olduğunu denetlemek için 'list' komutunu kullanın.\n"},
    {"usage_product",
     "ÜRÜN, bir ürün kimliği seçicisidir, ör. '%1%'.\n"
     "Hangi ürün kimliklerinin geçerli olduğunu denetlemek için 'list' komutunu kullanın.\n"},
    {"download_file", "Dosya indiriliyor "},
    {"download_total_progress", "(%s / %s) "},
    {"download_retry_progress", " (yeniden deneme %s / %s)"},
    {"download_retry", "%s. %s saniye sonra yeniden denenecek..."},
    {"progress_stage_init", "Zarni Installer başlatıldı"},
    {"progress_stage_prep", "Sistem hazırlanıyor"},
    {"progress_stage_resolv", "Paket çözümleniyor"},
    {"progress_stage_download", "Paketler indiriliyor"},
    {"dpkg_register_new_arch", "%s mimarisi desteği kaydediliyor"},
    {"examine_unpassed", "Bileşen ve ürün doğrulaması en az bir önemli sorun buldu:"},
    {"examine_post_results", "Bileşen ve ürün denetiminin sonuçları:"},
    {"examine_signal", "Denetim %s sinyaliyle sonlandırıldı."},
    {"examine_time_limit", "Denetim %s saniye içinde bitmedi ve durduruldu."},
    {"check_system_packages", "Kurulu paketler denetleniyor... "},
    {"read_system_packages", "Kurulu paketlerle ilgili bilgiler alınıyor... "},
    {"status_not_locked", "Zarni Installer çalışmıyor."},
    {"status_locked_by_another", "Güncelleme işlemi başka bir güncelleme süreci tarafından kilitlendi."},
    {"status_daemon_launched", "Zarni Installer arka plan hizmeti başlatıldı."},
    {"status_busy", "Zarni Installer'ın başka bir örneği zaten çalışıyor."},
    {"error_sys_stable", "Paketlerin tümü kurulmadı."},
    {"error_sys_unsure",
     "Uyarı! Paketlerin tümü kurulmadı.\n"
     "Lütfen sistem hizmetlerinizin çalışır durumda olup olmadığını denetleyin."},
    {"error_sys_broken", "Dikkat! Yazılımınız çalışmaz durumda olabilir."},
    {"error_rep_none", ""},
    {"error_rep_again", "Lütfen paketleri daha sonra yeniden kurmayı deneyin."},
    {"error_supp_none", "Lütfen bu sorunu giderin ve paketleri yeniden kurmayı deneyin."},
    {"components_allready_installed", "Ürünlerin en son sürümü ve seçilen tüm bileşenler zaten kurulu. Kurulum devam etmeyecek."},
    {"releases_no_avail",
     "İşletim sisteminiz\n"
     "\"%s\" desteklenmediği için kurulum devam etmeyecek.\n"
     "\n"
     "Desteklenen işletim sistemlerinin tam listesi için Zarni\n"
     "yayım notlarına bakın.\n"},
    {"insttypes_page_hdr1", "%s için kurulum türünü seçin"},
    {"components_page_body2", "Kurmak istediğiniz %s bileşenlerini seçin:"},
    {"components_page_num_selected", "%s / %s bileşen seçildi"},
    {"options_page_body2", "%s bileşenin parametrelerinin belirtilmesi gerekiyor.\n"},
    {"options_page_body5",
     "\n"
     "'%s' bileşeni: gerekli tüm parametreler tanımlandı.\n"},
    {"packages_page_body_install",
     "Ürünün düzgün çalışması için gereken ve sisteminizde bulunmayan %s\n"
     "paket var.\n"},
    {"packages_page_body_upgrade",
     "Ürünü kurmak için yükseltilmesi gereken %s\n"
     "paket var.\n"},
    {"packages_page_body_remove", "Kurulu olan ancak kaldırılacak %s paket var.\n"},
    {"install_start", "Değişiklikler sisteme uygulanıyor"},
    {"install_ok", "Değişiklikler başarı ile uygulandı."},
    {"err_send_mail", "Uyarı: Kurulum raporu e-postayla gönderilemedi."},
    {"err_read_prodsinfo", " dosyasından ürün bilgisi okunamadı"},
    {"warn_deprecated_option", "UYARI: '%s' komut satırı seçeneği kullanımdan kaldırıldı ve yok sayılacak."},
    {"err_chk_md5", " dosyası için bir kontrol toplamı hesaplanamadı"},
    {"new_build_avail", "Uyarı: Sunucuda yeni bir ürün derlemesi var."},
    {"added_comps_by_deps", "Seçtiğiniz bileşenler tarafından gerektirildikleri için şu bileşenler kurulacak:"},
    {"removed_comps_by_deps", "Kurmak için seçtiğiniz bileşenlerle çakıştıkları ya da kaldırmak için seçtiğiniz bileşenleri gerektirdikleri için şu bileşenler kaldırılacak:"},
    {"err_dep_from_pkg_unresolved",
     "%s: \"%s\" bağımlılığı için uygun bir\n"
     "çözüm bulunamadı.\n"},
    {"err_pkg_downgrade",
     "'%s' paketi %s sürümüne düşürülemiyor:\n"
     "  şu anda %s sürümü kurulu."},
    {"err_pkg_clash", "\"%s\" ve \"%s\" paketleri aynı anda kurulamaz"},
    {"err_pkg_fileconfl", "çünkü \"%s\" dosyasıyla çakışıyorlar"},
    {"err_pkg_depconfl", "çünkü \"%s\", \"%s\" ile çakışıyor."},
    {"pkg_select_reason", "\"%s\" paketi şu bağımlılıklar nedeniyle seçildi:"},
    {"pkg_select_depend", " \"%s\"/\"%s\""},
    {"deps_report_head", "Kurulumun başarısız olmasına şunlar neden olmuş olabilir:"},
    {"deps_long_report",
     "Başka sorunlar da bulundu. Ayrıntılar için\n"
     "günlük dosyasına bakın: %s.\n"},
    {"user_canceled", "Kullanıcı tarafından kesildi"},
    {"goto_webinterface_url",
     "\n"
     "Web arayüzü şimdi başlatıldı.\n"
     "  Lütfen tarayıcınızda %s adresini açın.\n"
     "\n"},
    {"upgrade_from_not_supported_versions", "%s yalnızca %s veya daha önceki bir sürüme yükseltilebilir. En son sürüme yükseltmek istiyorsanız şu makaleye bakın: %s"},
    {"stop_already_stopped", "Zarni Installer çalışmıyor."},
    {"stop_sent", "Zarni Installer'ın kapatılması istendi."},
    {"download_completed", "zaten indirildi"},
    {"download_done", "tamam"},
    {"download_all_done", "Tüm dosyalar indirildi."},
    {"download_ext_catalog_feed", "Extensions Catalog akışı indiriliyor..."},
    {"process_apt_get_update", "APT paket dizini güncelleniyor..."},
    {"question_continue", "Devam etmek istiyor musunuz?"},
    {"question_show_settings",
     "Bunun nedeni kurulum kaynağındaki, bağlantınızdaki ya da kurulum programı ayarlarındaki bir sorun olabilir.\n"
     "Kurulum programı kurtarılamayan bir hata nedeniyle kapanacak.\n"
     "Geçerli kurulum programı ayarlarını ve bunların nasıl değiştirileceğini görmek ister misiniz?"},
    {"examine_presetup", "Kurulumdan önce bileşenler ve ürün denetleniyor"},
    {"examine_postsetup", "Kurulumdan sonra bileşenler ve ürün denetleniyor"},
    {"examine_perform", "Bileşenler ve ürün denetleniyor..."},
    {"examine_skip_yesno",
     "Bulunan sorunları gidermeden kuruluma ya da yükseltmeye devam etmek\n"
     "verilerinizi bozabilir.\n"},
    {"wizard_current_settings", "Geçerli ayarlar:"},
    {"yesno_retry", "Evet için Y, hayır için N girin"},
    {"message_press_enter", "(Devam etmek için Enter tuşuna basın)"},
    {"releases_reporter_no_updates", "Kullanılabilen güncelleme yok."},
    {"releases_reporter_list_empty", "Kurulabilecek ürün yok."},
    {"releases_page_hdr", "Ürünler ve sürümler"},
    {"releases_page_body", "Şu ürün sürümleri kullanılabilir:"},
    {"releases_no_selected", "Hiçbir ürün sürümü seçilmedi."},
    {"releases_upgrade_request1", "Sisteminizde ürünün "},
    {"releases_upgrade_request2",
     " sürümü kurulu.\n"
     "Bu sürümü yükseltmek istiyor musunuz?"},
    {"wizard_legend_header", "Kullanılabilen eylemler:"},
    {"wizard_legend_f_forward", "(F) İlerle"},
    {"wizard_legend_b_back", "(B) Geri dön"},
    {"wizard_legend_q_quit", "(Q) Kurulumu iptal et"},
    {"wizard_legend_s_advanced_settings", "(S) Gelişmiş ayarları göster"},
    {"wizard_legend_a_select_all", "(A) Tümünü seç"},
    {"wizard_legend_d_deselect_all", "(D) Tüm seçimleri kaldır"},
    {"wizard_legend_f_forward_specify_params", "(F) İlerle ve parametreleri belirt"},
    {"wizard_legend_f_forward_skip_params", "(F) Parametreleri değiştirmeden ilerle"},
    {"wizard_legend_u_specify_undefined_params", "(U) İlerle ve yalnızca tanımlanmamış parametreleri belirt"},
    {"wizard_legend_r_redefine_params_all", "(R) Tüm parametreleri yeniden tanımla"},
    {"wizard_legend_r_redefine_params_one", "(R) Bu bileşenin parametrelerini yeniden tanımla"},
    {"wizard_legend_s_show_packages", "(S) Paket listesini göster"},
    {"wizard_prompt_action", "Bir eylem seç"},
    {"wizard_prompt_action_retry", "Yukarıdaki açıklamadaki karakterlerden birini girin"},
    {"wizard_prompt_action_or_number", "Bir eylem ya da numara seç"},
    {"wizard_prompt_action_or_number_retry", "Bir numara ya da yukarıdaki açıklamadaki bir eylemin karakterini girin"},
    {"wizard_prompt_number", "Bir numara seç"},
    {"wizard_prompt_number_retry", "Yukarıdaki listedeki numaralardan birini girin"},
    {"hello_page_hdr", "Zarni Kurulum ve Yükseltme Sihirbazı"},
    {"hello_page_body",
     "Bu sihirbaz, Zarni'yi kurmanıza, daha yeni bir yayıma yükseltmenize ve\n"
     "bileşenlerini eklemenize ya da kaldırmanıza yardımcı olur.\n"
     "\n"
     "------ ÖNEMLİ ------\n"
     "\n"
     "* Zarni'yi yükseltmeden ya da bileşenlerinden birini kaldırmadan önce\n"
     "  verilerinizi yedekleyin.\n"
     "\n"
     "* Paketler kurulurken kurulumu yarıda kesmeyin.\n"
     "\n"
     "* Zarni, Zarni Son Kullanıcı Lisans Sözleşmesi kapsamında dağıtılır.\n"
     "  Devam etmeden önce koşullarını http://www.zarni.example/legal/terms/\n"
     "  adresinde okuyun: Zarni'yi kurarak bu koşulları kabul etmiş olursunuz.\n"},
    {"source_product_source", " Ürünlerin kurulacağı yer: "},
    {"source_target_dir", " İndirilen dosyaların kaydedileceği yer: "},
    {"source_from_zarni", "Zarni güncelleme sunucusu"},
    {"source_from_network", "ağ konumu"},
    {"source_from_local", "yerel dizin"},
    {"proxy_no_proxy", " Proxy kullanma"},
    {"proxy_no_auth", " Proxy kimlik doğrulaması kullanma"},
    {"proxy_proxy_host", " HTTP proxy kullan (ana bilgisayar:bağlantı noktası): "},
    {"proxy_auth", " Proxy kimlik doğrulaması kullan, kullanıcı adı: "},
    {"settings_download_retries", " Başarısız bir indirmenin yeniden deneme sayısı: "},
    {"settings_page_hdr", "Gelişmiş ayarlar"},
    {"settings_page_body",
     "Bu ayarlar (ürün dağıtım paketlerinin konumu, indirilen dosyaların\n"
     "saklanacağı yer, proxy ayarları, indirme ayarları) ya komut satırında ya da\n"
     "yapılandırma dosyasında belirlenebilir.\n"
     "\n"
     " Komut satırı | Yapılandırma dosyası | Açıklama\n"
     "----------------------------+--------------------------+--------------------\n"
     " --source <URL veya yol> | SOURCE=<URL veya yol> | kurulum kaynağı\n"
     " --target <dir> | TARGET=<dir> | indirme dizini\n"
     " --proxy-host <ana bilgisayar> | PROXY_HOST=<ana bilgisayar> | proxy ana bilgisayarı\n"
     " --proxy-port <bağlantı> | PROXY_PORT=<bağlantı> | proxy bağlantı noktası\n"
     " --proxy-user <kullanıcı> | PROXY_USER=<kullanıcı> | proxy kullanıcı adı\n"
     " --proxy-password <pass> | PROXY_PASSWORD=<pass> | proxy parolası\n"
     " --download-retry-count <N> | DOWNLOAD_RETRY_COUNT=<N> | indirme denemeleri\n"
     "\n"
     "Komut satırı bağımsız değişkenleri yapılandırma dosyasına göre önceliklidir.\n"
     "Kurulum programı yapılandırma dosyasını başlarken okur; her ayarı kendi\n"
     "satırına yazın, örneğin PROXY_PORT=3128.\n"},
    {"settings_page_cfg", "Kurulum programı yapılandırma dosyasının konumu: "},
    {"insttypes_page_hdr", "Kurulum türleri"},
    {"insttypes_page_body", "Kurulum türü, önceden tanımlanmış bir bileşen kümesidir. Bunlardan birini seçin:"},
    {"components_page_hdr", "Birincil bileşenler listesi"},
    {"components_page_hdr1", " ana bileşenler listesi"},
    {"components_page_body1", "Şu ürünün bileşenlerini göster:"},
    {"components_page_body3", "Kurmak istediğiniz bileşenleri seçin:"},
    {"components_page_bottom_toggle_components", "İlgili bileşeni seçmek ya da seçimini kaldırmak için bir numara girin."},
    {"components_page_bottom_toggle_groups", "İlgili bileşeni seçmek ya da seçimini kaldırmak veya grubu (<+> ile işaretli) görüntülemek için bir numara girin."},
    {"components_toggle_also", "Bu bileşenin durumunu değiştirmek için ayrıca"},
    {"components_install_also", "şu bileşenleri kurmanız ya da yükseltmeniz gerekir: "},
    {"components_install_remove_them", "Bunu yapmak istiyor musunuz?"},
    {"components_remove_also", "şu bileşenleri kaldırmanız gerekir: "},
    {"components_unmark_also", "şu bileşenlerin seçimini kaldırmanız gerekir: "},
    {"components_atleast_one", "Devam etmek için en az bir bileşen seçmelisiniz."},
    {"components_deny_implicit_remove", "Bu bileşeni ya da bileşen grubunu kaldırmak için önce örtük olarak kaldırılamayan bileşenleri kaldırmanız gerekir: "},
    {"components_group_toggle_also", "Bu bileşenlerin durumunu değiştirmek için ayrıca"},
    {"components_group_deny_conflict", "Bu bileşenlerin durumu değiştirilemez, çünkü bu işlem şu bileşenlerin bağımlılıklarını bozar: "},
    {"components_group_deny_conflict_suggestion", "Bunun yerine bileşenleri tek tek değiştirmeyi deneyin."},
    {"need_also_message", "Seçtiğiniz bileşenler, şu bileşenlerdeki paketlerin kurulmasını gerektirecek: \n"},
    {"need_also_remove_message", "Seçtiğiniz bileşenler, şu bileşenlerdeki paketlerin kaldırılmasını gerektirecek: \n"},
    {"options_page_hdr", "Bileşen parametreleri"},
    {"options_page_body1", " bileşen, kurulum için belirli parametreleri belirtmenizi gerektiriyor.\n"},
    {"options_page_body3", "Gerekli tüm parametreleri şimdi belirtmeniz gerekiyor.\n"},
    {"options_page_body4", "Tüm bu bileşenlerin parametreleri zaten tanımlı.\n"},
    {"packages_page_hdr", "Paket değişiklikleri"},
    {"packages_no_reqpackages", "Kurulması, yükseltilmesi ya da kaldırılması gereken paket yok."},
    {"install_remove", " paketini kaldırma"},
    {"install_again",
     "Bildirim: Zarni Installer paketleri kurarken yeni bir ürün derlemesi yayımlandı.\n"
     "Bu derlemeyi kurmak ister misiniz?"},
    {"install_install_package", " paketini yükleme"},
    {"checking_comps_status", "Kurulu ürün bileşenleri algılanıyor."},
    {"checking_deps", "Paket bağımlılıkları denetleniyor..."},
    {"err_set_proxyvar", "Uyarı: Paket yöneticisi için proxy ortam değişkeni ayarlanamadı."},
    {"err_no_librpm", "Hata: RPM paket veritabanını okuyan kitaplık librpm yüklenemiyor."},
    {"err_no_pagers", "Uyarı: Ne 'less' ne de 'more' yardımcı programı bulunamıyor."},
    {"installling_pkgs", "Paketler kuruluyor"},
    {"installing_pkglist", "Şu paketler kuruluyor:"},
    {"warn_apt_cdrom_in_source",
     "Uyarı: APT kaynak listeniz bir CD/DVD kaynağı içeriyor. Zarni Installer\n"
     "durup diski bekleyebilir. Disk yoksa cdrom satırlarını\n"
     "/etc/apt/sources.list dosyasından ve /etc/apt/sources.list.d/ içindeki\n"
     "dosyalardan kaldırın ve kurulumu yeniden çalıştırın."},
    {"retype_password", "Parolayı yeniden yazın: "},
    {"webinterface_exit_by_timeout", " Zarni Installer uzun süre işlem yapılmadığı için kapatıldı."},
    {"ask_customer_feedback",
     "Bir sorun oluştuğunda Zarni geliştiricilerine hata raporları göndererek\n"
     "Zarni'nin geliştirilmesine yardımcı olmak ister misiniz?"},
    {"press_enter_to_exit", "Çıkmak için ENTER tuşuna basın ..."},
    {"comps_no_options", "Listelenen bileşenlerin hiçbirinin ayarı yok."},
    {"options_select_all_IPs", "Tüm IP adreslerini seç"},
    {"searching_need_pkgs", "Gereken paketler aranıyor..."},
    {"confirm_uninstallation", "%s ürününü ve tüm bileşenlerini gerçekten kaldırmak istiyor musunuz?"},
    {"confirm_uninstallation_title", "%s kaldırma"},
    {"cancel_uninstallation", "Kaldırmayı iptal et"},
    {"error_supp_maybe",
     "Lütfen bu sorunu giderin ve paketleri yeniden kurmayı deneyin.\n"
     "Zarni destek sitesinde bir çözüm arayabilirsiniz: https://support.zarni.example/"},
    {"usage_header",
     "Kullanım: installer [SEÇENEKLER]\n"
     "\n"
     "Zarni Installer, Zarni ürünlerini ve bileşenlerini kurar, yükseltir ve\n"
     "kaldırır. Seçeneksiz çalıştırıldığında konsolda etkileşimli sihirbazı başlatır.\n"
     "\n"},
    {"usage_download",
     " İndirme seçenekleri:\n"
     "    --source <URL veya mutlak yol>\n"
     "                          Ürünleri verilen güncelleme sunucusundan ya da\n"
     "                          yansıdan veya yerel bir dizinden alır.\n"
     "                          Örnek değerler:\n"
     "                            http://updates.zarni.example/\n"
     "                            http://mirror.zarni.example/zarni/\n"
     "                            /root/kestavine/mirror/\n"
     "\n"
     "    --target <dir>        İndirilen dosyaları verilen dizinde saklar.\n"
     "                          Örnek değer:\n"
     "                            /root/kestavine\n"
     "\n"
     "    --download-retry-count <sayı>\n"
     "                          Başarısız bir indirmenin kaç kez yeniden\n"
     "                          deneneceği (varsayılan: 3).\n"
     "\n"},
    {"usage_proxy",
     " Proxy seçenekleri:\n"
     "    --proxy-host <host>   Proxy sunucusunun ana bilgisayar adı ya da IP adresi.\n"
     "\n"
     "    --proxy-port <port>   Proxy sunucusunun bağlantı noktası (varsayılan: 3128).\n"
     "\n"
     "    --proxy-user <user>   Proxy kimlik doğrulaması için kullanıcı adı.\n"
     "\n"
     "    --proxy-password <password>\n"
     "                          Proxy kimlik doğrulaması için parola.\n"
     "\n"},
    {"usage_selectors",
     " Ürün ve yayım seçimi seçenekleri:\n"
     "    --select-product-id < ürün kimliği>\n"
     "                          Kendisinden sonraki seçeneklerin ilgili olduğu ürünü seçer.\n"
     "                          Ürünün yayımını şu seçeneklerden biriyle belirleyin:\n"
     "                            --select-release-id, --select-release-latest,\n"
     "                            --select-release-current\n"
     "\n"
     "    --select-release-id < sürüm kimliği>\n"
     "                          Verilen kimliğe sahip yayımı seçer.\n"
     "\n"
     "    --select-release-latest\n"
     "                          Ürünün kullanılabilen en son yayımını seçer.\n"
     "\n"
     "    --select-release-current\n"
     "                          Ürünün kurulu yayımını seçer.\n"
     "\n"
     "    --tier <tiers>        Yalnızca verilen düzeylerin yayımlarını sunar;\n"
     "                          düzeyler stable,testing gibi virgülle ayrılmış bir\n"
     "                          listedir. Varsayılan: \"stable,release,current\".\n"
     "\n"
     "    --all-versions        Yayımları düzeye göre süzmez. Bu seçenekle kurulum\n"
     "                          programı, önizleme yayımları da dahil olmak üzere\n"
     "                          her düzeyin yayımlarını sunar.\n"
     "\n"},
    {"usage_install",
     " Kurulum seçenekleri:\n"
     "    --installation-type < tip adı>\n"
     "                          Seçili ürün yayımının verilen kurulum türündeki\n"
     "                          (örneğin 'Recommended' ya da 'Full') bileşenleri kurar.\n"
     "                          Örnekler:\n"
     "                          1) en son Zarni'nin önerilen bileşenleri:\n"
     "                            --select-product-id zarni --select-release-latest \\\n"
     "                            --installation-type Recommended\n"
     "                          2) ZARNI_12_5_30 Zarni yayımının tüm bileşenleri:\n"
     "                            --select-product-id zarni \\\n"
     "                            --select-release-id ZARNI_12_5_30 \\\n"
     "                            --installation-type Full\n"
     "\n"
     "    --install-component < bileşen kimliği>\n"
     "                          Seçili ürün yayımının verilen bileşenini kurar.\n"
     "                          Birden çok bileşen kurmak için seçeneği yineleyin.\n"
     "                          Örnekler:\n"
     "                          1) kurulu Zarni'ye Horde web postasını ekleme:\n"
     "                            --select-product-id zarni --select-release-current \\\n"
     "                            --install-component horde\n"
     "                          2) Zarni 12.5.30'u panel ve Postfix ile kurma:\n"
     "                            --select-product-id zarni \\\n"
     "                            --select-release-id ZARNI_12_5_30 \\\n"
     "                            --install-component panel --install-component postfix\n"
     "\n"
     "    --set-option <setting_name>=<setting_value>\n"
     "                          Önceki --select-product-id ile adı verilen ürünün bir\n"
     "                          bileşen ayarını belirler. Birden çok ayar belirlemek\n"
     "                          için seçeneği yineleyin.\n"
     "\n"},
    {"usage_remove",
     " Kaldırma seçenekleri:\n"
     "    --remove-component < bileşen kimliği>\n"
     "                          Seçili ürünün verilen bileşenini kaldırır. Birden çok\n"
     "                          bileşeni kaldırmak için seçeneği yineleyin.\n"
     "                          Örnekler:\n"
     "                          1) Horde web postasını Zarni'den kaldırma:\n"
     "                            --select-product-id zarni --remove-component horde\n"
     "                          2) iki bileşeni aynı anda kaldırma:\n"
     "                            --select-product-id zarni \\\n"
     "                            --remove-component horde \\\n"
     "                            --remove-component postfix\n"
     "\n"
     "    --remove-everything   Seçili ürünün tüm bileşenlerini, yani ürünün\n"
     "                          kendisini kaldırır.\n"
     "                          Örnek (Zarni'yi kaldırma):\n"
     "                            --select-product-id zarni --remove-everything\n"
     "\n"
     "    --interactive-uninstall\n"
     "                          --remove-everything ile birlikte, Zarni Installer\n"
     "                          çıkmadan önce Enter tuşuna basılmasını bekler.\n"
     "\n"},
    {"usage_upgrade",
     " Yükseltme seçenekleri:\n"
     "    --upgrade-installed-components\n"
     "                          Seçili ürünün kurulu bileşenlerini seçili yayıma\n"
     "                          yükseltir.\n"
     "                          Örnekler:\n"
     "                          1) kurulu Zarni'nin en son güncellemelerini kurma:\n"
     "                            --select-product-id zarni --select-release-current \\\n"
     "                            --upgrade-installed-components\n"
     "                          2) Zarni'yi ZARNI_12_5_30 yayımına yükseltme:\n"
     "                            --select-product-id zarni \\\n"
     "                            --select-release-id ZARNI_12_5_30 \\\n"
     "                            --upgrade-installed-components\n"
     "\n"
     "    --include-components-from-class <class>\n"
     "                          Seçili ürünün yalnızca verilen sınıfa (örneğin\n"
     "                          aspect=panel) ait kurulu bileşenlerini yükseltir.\n"
     "                          Birden çok sınıf belirtmek için seçeneği yineleyin.\n"
     "\n"
     "    --reinstall-patch     Seçili ürünlerin en son yamasını yeniden kurmak için\n"
     "                          kullanılırdı; artık bir uyarıyla yok sayılır.\n"
     "                          Örnek:\n"
     "                            --select-product-id zarni --reinstall-patch\n"
     "\n"},
    {"usage_no_warn",
     " Bileşen denetimi seçenekleri:\n"
     "    --skip-components-check\n"
     "                          Kurulumdan önce ve sonra bileşenlerin ve ürünün\n"
     "                          denetimlerini çalıştırmaz. Zarni Installer bu\n"
     "                          denetimleri verilerinizi bozabilecek sorunları bulmak\n"
     "                          için çalıştırır; bu yüzden onları yalnızca kurulumun\n"
     "                          güvenli olduğundan eminseniz atlayın.\n"
     "\n"},
    {"usage_list",
     " Ürünleri, yayımları ve bileşenleri listeleme seçenekleri:\n"
     "    --show-releases       Seçili ürünün (ürün seçilmemişse Zarni'nin)\n"
     "                          kullanılabilen yayımlarını, yayım kimlikleri ve\n"
     "                          düzeyleriyle listeler. --all-versions kullanmadıkça ya\n"
     "                          da --tier ile başka düzeyler belirtmedikçe Zarni\n"
     "                          Installer yalnızca \"stable\", \"release\" ve \"current\"\n"
     "                          düzeylerinin yayımlarını listeler.\n"
     "\n"
     "    --show-all-releases   Kullanılabilen tüm ürünleri ve yayımlarını listeler.\n"
     "\n"
     "    --show-os-list        Seçili yayımın derlendiği işletim sistemlerini\n"
     "                          listeler.\n"
     "\n"
     "    --show-installation-types\n"
     "                          Seçili yayımın kurulum türlerini listeler.\n"
     "\n"
     "    --show-components     Seçili yayımın bileşenlerini ve her birinin kurulu mu,\n"
     "                          yükseltilebilir mi, güncel mi olduğunu listeler.\n"
     "                          Gösterdiği bileşen kimliklerini --install-component\n"
     "                          ve --remove-component ile kullanın.\n"
     "\n"
     "    --show-options        --show-components ile birlikte, her bileşenin\n"
     "                          ayarlarını da gösterir.\n"
     "\n"
     "    --show-packages       Kurulum, yükseltme ya da kaldırma seçenekleriyle\n"
     "                          birlikte, hiçbir şeyi değiştirmeden yalnızca kurulacak\n"
     "                          [I], yükseltilecek [U] ya da kaldırılacak [R] paketleri\n"
     "                          gösterir.\n"
     "\n"},
    {"usage_automation",
     " Otomasyon seçenekleri:\n"
     "    --enable-xml-output   Yanıtları ve durum iletilerini betikler ve başka\n"
     "                          programlar için XML biçiminde yazdırır. Bu durumda\n"
     "                          kurulum arka planda çalışır.\n"
     "\n"
     "    --query-status        Zarni Installer'ın çalışıp çalışmadığını ve\n"
     "                          çalışıyorsa işinin hangi aşamasında ve adımında\n"
     "                          olduğunu gösterir. Yanıtın durumu şunlardan biridir:\n"
     "                            query_ok   - Zarni Installer çalışmıyor\n"
     "                            query_busy - Zarni Installer çalışıyor\n"
     "\n"
     "    --check-updates       Seçili ürün (ürün seçilmemişse Zarni) için güncelleme\n"
     "                          olup olmadığını denetler.\n"
     "                          Örnek:\n"
     "                            --select-product-id zarni --check-updates\n"
     "\n"
     "    --no-daemon           --enable-xml-output ile birlikte, kurulumu ön planda\n"
     "                          yapar ve kurulum bitene kadar bekler.\n"
     "\n"},
    {"usage_web",
     " Web arayüzü seçenekleri:\n"
     "    --web-interface       Kurulum sihirbazını konsol yerine bir web tarayıcısında\n"
     "                          çalıştırır. Sihirbaz 8447 numaralı bağlantı noktasında\n"
     "                          sunulur.\n"
     "\n"
     "    --ssl-cert <file.pem> HTTPS için sertifikayı ve özel anahtarı içeren dosya.\n"
     "                          Varsayılan olarak kendinden imzalı bir sertifika\n"
     "                          oluşturulur.\n"
     "\n"
     "    --without-ssl         Web arayüzünü düz HTTP üzerinden sunar.\n"
     "\n"},
    {"usage_override",
     " Algılanan işletim sistemini geçersiz kılan seçenekler:\n"
     "    --override-os-name <arg>\n"
     "                          Algılanan işletim sistemi adı yerine verilen adı kullanır.\n"
     "\n"
     "    --override-os-vendor <arg>\n"
     "                          Algılanan işletim sistemi satıcısı yerine verilen\n"
     "                          satıcıyı kullanır.\n"
     "\n"
     "    --override-os-version <arg>\n"
     "                          Algılanan işletim sistemi sürümü yerine verilen sürümü\n"
     "                          kullanır.\n"
     "\n"
     "    --override-os-arch <arg>\n"
     "                          Algılanan mimari yerine verilen mimariyi kullanır.\n"
     "\n"
     "    --override-environment <arg>\n"
     "                          Algılanan ortam yerine verilen ortamı kullanır:\n"
     "                          'dedicated' ya da 'cq'.\n"
     "\n"},
    {"usage_console",
     " Etkileşimli konsol arayüzü seçenekleri:\n"
     "    --no-clear            Sihirbazın sayfaları arasında geçerken ekranı temizlemez.\n"
     "\n"},
    {"usage_feedback",
     " Geri bildirim seçenekleri:\n"
     "    --enable-feedback     Bir sorun oluştuğunda Zarni Installer'ın Zarni\n"
     "                          geliştiricilerine hata raporu göndermesine izin verir.\n"
     "\n"
     "    --disable-feedback    Hata raporu göndermez. Zarni Installer bu seçimi\n"
     "                          sonraki çalıştırmalar için hatırlar.\n"
     "\n"},
    {"usage_logging",
     " Günlük ve bildirim seçenekleri:\n"
     "    --notify-email <email>\n"
     "                          Zarni Installer işini bitirdiğinde, sonuçla ilgili\n"
     "                          bir raporu verilen e-posta adresine gönderir.\n"
     "\n"
     "    --truncate-log        Başlangıçta Zarni Installer'ın günlük dosyasını boşaltır.\n"
     "\n"
     "    --separate-logs       Zarni Installer'ın her çalıştırılması için ayrı bir\n"
     "                          günlük dosyası yazar.\n"
     "\n"
     "    --debug               Hata ayıklama bilgilerini günlük dosyasına yazar.\n"
     "\n"},
    {"usage_help",
     " Zarni Installer yardım ve sürüm seçenekleri:\n"
     "    --version             Zarni Installer'ın sürümünü gösterir.\n"
     "\n"
     "    --usage,\n"
     "    --help                Komut tabanlı arayüze genel bakışı gösterir.\n"
     "\n"
     "    --help-options        Seçenek tabanlı arayüzle ilgili bu yardımı gösterir.\n"
     "\n"},
    {"usage_obsolete",
     " Eskimiş seçenekler:\n"
     "    --disable-zarni-sys-updates\n"
     "                          Zarni ile gelen işletim sistemi güncellemelerini\n"
     "                          kapatmak için kullanılırdı. Hâlâ kabul edilir, ancak\n"
     "                          artık neyin kurulacağını değiştirmez.\n"
     "\n"
     "    --install-everything  Seçili ürün yayımının tüm bileşenlerini kurar. Bunun\n"
     "                          yerine --installation-type 'Full' kullanın.\n"
     "\n"
     "    --branch <tiers>      --tier ile aynıdır.\n"
     "\n"
     "    --skip-branch-filter  --all-versions ile aynıdır.\n"
     "\n"
     "    --mirror-os <id>      Ürün sürümlerini başka bir işletim sistemi için\n"
     "                          yansılamak için kullanılırdı. Yansı oluşturma aracı\n"
     "                          için bilgi bankası makalesine bakın:\n"
     "                          https://support.zarni.example/kb/mirroring-tool\n"
     "\n"},
    {"usage_deprecated",
     " Kullanımdan kaldırılan seçenekler (kabul edilir, ancak bir uyarıyla yok sayılır):\n"
     "    --source-type         Kurulum kaynağının türünü belirlemek için kullanılırdı.\n"
     "                          Tür artık --source değerinden anlaşılır.\n"
     "\n"
     "    --add-source          Ek bir paket kaynağı eklemek için kullanılırdı.\n"
     "\n"
     "    --show-additional-source-types\n"
     "                          Ek paket kaynaklarının türlerini listelemek için\n"
     "                          kullanılırdı.\n"
     "\n"
     "    --show-additional-sources\n"
     "                          Ek paket kaynaklarını listelemek için kullanılırdı.\n"
     "\n"
     "    --install-system-only Yalnızca Zarni Tenebrin'in sistem paketlerini kurmak\n"
     "                          için kullanılırdı.\n"
     "\n"
     "    --allow-kernel-install\n"
     "                          Çekirdek paketlerinin kurulmasına izin vermek için\n"
     "                          kullanılırdı.\n"
     "\n"
     "    --disable-major-updates\n"
     "                          Yeni bir ana yayıma yükseltmeyi engellemek için\n"
     "                          kullanılırdı. Bunun yerine kurulacak yayımı\n"
     "                          --select-release-id ya da --select-release-current\n"
     "                          ile seçin.\n"
     "\n"
     "    --upgrade-system-packages\n"
     "                          İşletim sistemi paketlerini de yükseltmek için\n"
     "                          kullanılırdı.\n"
     "\n"
     "    --skip-patch          Yamaların kurulumunu atlamak için kullanılırdı. Komut\n"
     "                          tabanlı arayüz de onu aynı biçimde yok sayar.\n"
     "\n"
     "    --no-space-check      Boş disk alanı denetimini atlamak için kullanılırdı.\n"
     "\n"},
    {"usage_end", "Komut tabanlı arayüz hakkında bilgi için 'installer help' komutuna bakın.\n"},
    {"usage_commands",
     "Kullanım: installer KOMUT [SEÇENEKLER]\n"
     "\n"
     "Komutlar:\n"
     "   list - Kullanılabilen ürünleri, yayımları, ön ayarları ve bileşenleri listeler\n"
     "   list-all - Kullanılabilen tüm ürünleri ve yayımlarını listeler\n"
     "   install - Bir ürün yayımını kurar\n"
     "   update - Kurulu ürünlerin en son güncellemelerini kurar\n"
     "   add - Kurulu bir ürüne bileşen ekler\n"
     "   remove - Kurulu bir üründen bileşen kaldırır\n"
     "   upgrade - Kurulu bir ürünü başka bir yayıma yükseltir\n"
     "   stop - Çalışan bir Zarni Installer'ı durdurur\n"
     "   version - Zarni Installer'ın sürümünü gösterir\n"
     " help - Bir komutla ilgili yardımı gösterir\n"
     "\n"
     "Belirli bir komutla ilgili yardım için 'installer help KOMUT' komutuna bakın.\n"
     "Seçenek tabanlı arayüzle ilgili yardım için 'installer --help-options' komutuna bakın.\n"},
    {"usage_cmd_prefix", "Kullanım: installer "},
    {"usage_cmd_version", "Zarni Installer'ın sürümünü gösterir."},
    {"usage_cmd_help",
     "COMMAND olmadan komutları listeler. COMMAND ile o komutun yardımını\n"
     "gösterir; seçeneklerinden daha fazlasını görmek için --verbose (-v) ekleyin."},
    {"usage_cmd_list_all", "Kullanılabilen tüm ürünleri ve yayımlarını listeler."},
    {"usage_cmd_list",
     "Kullanılabilen ürünleri ve yayımları listeler. Tam bir yayım için (bir yayım\n"
     "kimliği ya da bir ürün kimliği ve bir sürüm) kurulum ön ayarlarını (--presets),\n"
     "bileşenlerini (--components; --options eklendiğinde ayarlarıyla birlikte) ya da\n"
     "sistem paket yöneticisinin bu yayım için yapılandırmasını (--sources) listeler."},
    {"usage_cmd_install",
     "Bir ürün yayımını kurar. Seçici verilmezse Zarni'nin kullanılabilen en son\n"
     "yayımı kurulur. Bileşenleri bir ön ayarla (--preset; --with ve --without ile\n"
     "ayarlanır) seçin ya da --components ile adlarını verin."},
    {"usage_cmd_upgrade",
     "Kurulu bir ürünü başka bir yayıma yükseltir. Yayımı yayım kimliğiyle, bir\n"
     "ürün kimliği ve bir sürümle ya da bir ürün kimliği ve bir düzeyle (o düzeyin\n"
     "en son yayımı alınır) belirtin. Tam bir yayım verilmezse kullanılabilen\n"
     "yayımlar listelenir."},
    {"usage_cmd_update",
     "Kurulu tüm ürünlerin ya da yalnızca PRODUCT ürününün en son güncellemelerini,\n"
     "onları başka bir yayıma yükseltmeden kurar."},
    {"usage_cmd_add", "Kurulu bir ürüne bileşen ekler."},
    {"usage_cmd_remove", "Kurulu bir üründen bileşen kaldırır."},
    {"usage_cmd_add_remove_tail", "Yalnızca bir ürün kuruluysa ÜRÜN belirtilmeyebilir.\n"},
    {"usage_cmd_stop",
     "Çalışan bir Zarni Installer'ı durdurur. Program bir sonraki güvenli noktada\n"
     "durur; --terminate ile paketler kurulurken bile durur."},
    {"usage_components",
     "BİLEŞENLERİ, bileşen kimliklerinin bir listesidir. Kimlikleri boşluk ya da\n"
     "virgülle ayırın veya seçeneği yineleyin:\n"
     "  --components panel horde\n"
     "  --components panel,horde\n"
     "  --components panel --components horde\n"},
    {"usage_verbose", "Daha fazla seçenek görmek için '--verbose' (ya da '-v'), tüm seçenekleri görmek için '--verbose=2' ekleyin."},
    {"usage_hdr_command_opts", "Komut seçenekleri"},
    {"usage_hdr_general_opts", "Genel seçenekler"},
    {"usage_hdr_download_opts", "İndirme seçenekleri"},
    {"usage_hdr_proxy_opts", "Proxy seçenekleri"},
    {"usage_hdr_skip_opts", "Adım atlayan seçenekler"},
    {"usage_hdr_env_opts", "İşletim sistemini geçersiz kılma seçenekleri"},
    {"usage_opt_source", "Kurulum kaynağı: güncelleme sunucusunun ya da bir yansının URL adresi veya yerel bir dizinin mutlak yolu"},
    {"usage_opt_target", "İndirilen dosyalar için dizin"},
    {"usage_opt_tries", "Başarısız bir indirmenin yeniden deneme sayısı (varsayılan: 3)"},
    {"usage_opt_ext", "Ürünün belirttiği yerine kullanılacak Extensions Catalog URL adresi"},
    {"usage_opt_proxy_host", "Proxy sunucusunun ana bilgisayar adı ya da IP adresi"},
    {"usage_opt_proxy_port", "Proxy sunucusunun bağlantı noktası (varsayılan: 3128)"},
    {"usage_opt_proxy_user", "Proxy kimlik doğrulaması için kullanıcı adı"},
    {"usage_opt_proxy_pass", "Proxy kimlik doğrulaması için parola"},
    {"usage_opt_skip_examine", "Kurulumdan önce ve sonra bileşenlerin ve ürünün denetimlerini çalıştırma"},
    {"usage_opt_skip_gpg", "Paketlerin GPG imzalarını doğrulama"},
    {"usage_opt_skip_cleanup", "Kurulum programı çıkarken paket deposu yapılandırmasını koru"},
    {"usage_opt_no_self_upgrade", "Zarni Installer'ı kendisinin daha yeni ya da daha eski bir sürümüyle değiştirme"},
    {"usage_opt_help", "Komutun yardımını göster"},
    {"usage_opt_xml", "Yanıtları ve durum iletilerini XML biçiminde yazdır"},
    {"usage_opt_debug", "Hata ayıklama bilgilerini günlük dosyasına yaz"},
    {"usage_opt_truncate_log", "Başlangıçta Zarni Installer'ın günlük dosyasını boşalt"},
    {"usage_opt_separate_log", "Zarni Installer'ın her çalıştırılması için ayrı bir günlük dosyası yaz"},
    {"usage_opt_email", "Zarni Installer işini bitirdiğinde, sonuçla ilgili bir raporu bu e-posta adresine gönder"},
    {"usage_opt_verbose", "Yardımda daha fazla seçenek göster: daha fazlası için 1, tüm seçenekler için 2"},
    {"usage_opt_completion", "Kabuk tamamlaması için komutun seçeneklerini yazdır (JSON)"},
    {"usage_opt_override_os_name", "Algılanan yerine kullanılacak işletim sistemi adı"},
    {"usage_opt_override_os_vendor", "Algılanan yerine kullanılacak işletim sistemi satıcısı"},
    {"usage_opt_override_os_version", "Algılanan yerine kullanılacak işletim sistemi sürümü"},
    {"usage_opt_override_os_arch", "Algılanan yerine kullanılacak mimari"},
    {"usage_opt_override_env", "Algılanan yerine kullanılacak ortam: 'dedicated' ya da 'cq'"},
    {"usage_opt_list_presets", "Yayımın kurulum ön ayarlarını listele"},
    {"usage_opt_list_components", "Yayımın bileşenlerini listele"},
    {"usage_opt_list_options", "--components ile birlikte her bileşenin ayarlarını da göster"},
    {"usage_opt_dry_run", "Hiçbir şeyi değiştirme; yalnızca kurulacak [I], yükseltilecek [U] ya da kaldırılacak [R] paketleri göster"},
    {"usage_opt_install_preset", "Bu ön ayarın (kurulum türünün) bileşenlerini kur, örneğin 'Recommended' ya da 'Full'"},
    {"usage_opt_install_with", "Ön ayara ek olarak kurulacak bileşenler"},
    {"usage_opt_install_without", "Ön ayarın kurulmayacak bileşenleri"},
    {"usage_opt_install_components", "Ön ayar yerine kurulacak bileşenler"},
    {"usage_opt_install_options", "Bileşen ayarları; her biri ad=değer biçiminde"},
    {"usage_opt_update_panel_only", "Zarni'nin yönettiği diğer hizmetlerin değil, yalnızca Zarni'nin kendi güncellemelerini kur"},
    {"usage_opt_addremove_components", "Eklenecek ya da kaldırılacak bileşenler"},
    {"usage_opt_stop_terminate", "Zarni Installer'ı paketler kurulurken bile durdur (SIGHUP yerine SIGTERM gönder)"},
    {"error_supp_need", "Zarni destek sitesinde bir çözüm arayabilirsiniz: https://support.zarni.example/"},
    {"os_win2003_not_supported", "Windows Server 2003 artık Zarni tarafından desteklenmiyor. Zarni yaşam döngüsü politikası (https://www.zarni.example/legal/lifecycle-policy/) uyarınca işletim sisteminin daha yeni bir sürümünü kullanmanızı öneririz."},
    {"os_win2008_not_supported_product_installed", "Windows Server 2008 artık Zarni tarafından desteklenmiyor. Zarni yaşam döngüsü politikası (https://www.zarni.example/legal/lifecycle-policy/) uyarınca işletim sisteminin daha yeni bir sürümünü kullanmanızı öneririz. Zarni'yi desteklenen bir işletim sistemine sahip bir sunucuya taşımak için taşıma kılavuzunu (https://www.zarni.example/en/121368) izleyin."},
    {"os_win2008_not_supported_product_not_installed", "Windows Server 2008 artık Zarni tarafından desteklenmiyor. Zarni yaşam döngüsü politikası (https://www.zarni.example/legal/lifecycle-policy/) uyarınca işletim sisteminin daha yeni bir sürümünü kullanmanızı öneririz."},
    {"os_win2008r2_not_supported_product_installed", "Windows Server 2008 R2 artık Zarni tarafından desteklenmiyor. Zarni yaşam döngüsü politikası (https://www.zarni.example/legal/lifecycle-policy/) uyarınca işletim sisteminin daha yeni bir sürümünü kullanmanızı öneririz. Zarni'yi desteklenen bir işletim sistemine sahip bir sunucuya taşımak için taşıma kılavuzunu (https://www.zarni.example/en/121368) izleyin."},
    {"os_win2008r2_not_supported_product_not_installed", "Windows Server 2008 R2 artık Zarni tarafından desteklenmiyor. Zarni yaşam döngüsü politikası (https://www.zarni.example/legal/lifecycle-policy/) uyarınca işletim sisteminin daha yeni bir sürümünü kullanmanızı öneririz."},
};

}  // namespace

void loadInstallerMessages_tr_TR(Messages::messages_rep& catalogue)
{
    loadMessageTable(catalogue, kTable);
}
