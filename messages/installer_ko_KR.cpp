// Korean texts of the installer messages.
// Loaded after the English table, so each text here replaces the English text of its key;
// the English-only keys are left out and keep their English texts.
#include "messages/MessageLoaders.h"

namespace {

const MessagePair kTable[] = {
    {"Kitwright", "Zarni Installer"},
    {"usage_cmd_list_tail",
     "예:\n"
     "사용 가능한 제품 나열:\n"
     "list\n"
     "기본 티어로 사용 가능한 최신 Zarni 릴리스 나열:\n"
     "list %1%\n"
     "사용 가능한 모든 Zarni 릴리스 나열:\n"
     "list %1% all\n"
     "사용 가능한 최신 Zarni 미리 보기 릴리스 표시('testing' 티어):\n"
     "list %1% testing\n"
     "Zarni %2%의 구성 요소 나열(제품 ID와 버전으로 선택):\n"
     "list %1% %2% --components\n"
     "Zarni %2%의 설치 사전 설정 나열(릴리스 ID로 선택):\n"
     "list %3% --presets\n"},
    {"usage_cmd_install_tail",
     "예:\n"
     "일반 공급되는 최신 Zarni 릴리스의 권장 구성 요소 세트 설치:\n"
     "install\n"
     "사용 가능한 최신 Zarni 미리 보기 릴리스 설치:\n"
     "install testing\n"
     "Zarni %2% 설치(버전으로 선택):\n"
     "install %1% %2%\n"
     "Java 지원과 Horde 웹메일을 제외한 Zarni 구성 요소 전체 세트 설치\n"
     "(릴리스는 ID로 선택):\n"
     "install %3% --preset Full --without java horde\n"},
    {"usage_cmd_upgrade_tail",
     "예:\n"
     "Zarni %2%(으)로 업그레이드(제품 ID와 버전으로 선택):\n"
     "upgrade %1% %2%\n"
     "Zarni %2%(으)로 업그레이드(릴리스 ID로 선택):\n"
     "upgrade %3%\n"
     "사용 가능한 최신 안정 Zarni 릴리스로 업그레이드:\n"
     "upgrade %1% stable\n"},
    {"usage_cmd_update_tail",
     "예:\n"
     "설치된 모든 제품에 사용 가능한 최신 업데이트 설치:\n"
     "update\n"
     "Zarni 설치 업데이트:\n"
     "update %1%\n"
     "Zarni 업데이트만 설치하고, 가능하면 Zarni가 관리하는 다른 서비스는\n"
     "업데이트하지 않음('%1%' 제품에만 적용):\n"
     "update --panel-only\n"},
    {"usage_selector",
     "각 SELECTOR는 다음 중 하나입니다.\n"
     "product ID,       예: '%1%'\n"
     "릴리스 티어,     예: 'stable', 또는 티어로 필터링하지 않으려면 'all'\n"
     "릴리스 버전,  예: '%2%'\n"
     "릴리스 ID,       예: '%3%'\n"
     "\n"
     "유효한 선택기를 확인하려면 'list' 명령을 사용하십시오.\n"},
    {"usage_product",
     "PRODUCT는 제품 ID 선택기입니다(예: '%1%').\n"
     "유효한 제품 ID를 확인하려면 'list' 명령을 사용하십시오.\n"},
    {"download_file", " 파일 다운로드"},
    {"download_total_progress", "(%s/%s) "},
    {"download_retry_progress", "(재시도 %s/%s)"},
    {"download_retry", "%s. %s초 후에 다시 시도합니다..."},
    {"progress_stage_init", "Zarni Installer가 시작되었습니다"},
    {"progress_stage_prep", "시스템 준비 중"},
    {"progress_stage_resolv", "패키지 확인 중"},
    {"progress_stage_download", "패키지 다운로드 중"},
    {"dpkg_register_new_arch", "%s 아키텍처 지원 등록 중"},
    {"examine_unpassed", "구성 요소 및 제품 유효성 검사에서 중요한 문제가 하나 이상 발견되었습니다:"},
    {"examine_post_results", "구성 요소 및 제품 확인 결과:"},
    {"examine_signal", "확인이 신호 %s(으)로 종료되었습니다."},
    {"examine_time_limit", "확인이 %s초 안에 끝나지 않아 중지되었습니다."},
    {"check_system_packages", "설치된 패키지 확인 중... "},
    {"read_system_packages", "설치된 패키지에 대한 정보를 가져오는 중... "},
    {"status_not_locked", "Zarni Installer가 실행 중이 아닙니다."},
    {"status_locked_by_another", "다른 업데이트 프로세스가 업데이트 작업을 잠갔습니다."},
    {"status_daemon_launched", "Zarni Installer 데몬이 시작되었습니다."},
    {"status_busy", "Zarni Installer의 다른 인스턴스가 이미 실행 중입니다."},
    {"error_sys_stable", "일부 패키지가 설치되지 않았습니다."},
    {"error_sys_unsure", "경고! 일부 패키지가 설치되지 않았습니다. \n시스템 서비스가 작동하는지 확인하십시오."},
    {"error_sys_broken", "주의! 소프트웨어가 작동하지 않을 수 있습니다."},
    {"error_rep_none", ""},
    {"error_rep_again", "나중에 패키지를 다시 설치해 보십시오."},
    {"error_supp_none", "이 문제를 해결한 다음 패키지를 다시 설치해 보십시오."},
    {"components_allready_installed", "최신 버전의 제품과 선택한 구성 요소가 모두 이미 설치되어 있습니다. 설치가 계속되지 않습니다."},
    {"releases_no_avail",
     "운영 체제 \n"
     "%s이(가) 지원되지 않으므로 설치가 계속되지 않습니다.\n"
     "\n"
     "지원되는 운영 체제의 전체 목록은 \n"
     "Zarni 릴리스 정보를 참조하십시오.\n"},
    {"insttypes_page_hdr1", "%s의 설치 유형을 선택하십시오"},
    {"components_page_body2", "설치할 %s의 구성 요소를 선택하십시오:"},
    {"components_page_num_selected", "%s/%s개 구성 요소 선택됨"},
    {"options_page_body2", "%s개 구성 요소의 매개 변수를 지정해야 합니다.\n"},
    {"options_page_body5", "\n구성 요소 '%s': 필수 매개 변수가 모두 정의되었습니다.\n"},
    {"packages_page_body_install",
     "제품이 제대로 작동하는 데 필요한 %s개 패키지를 \n"
     "시스템에서 찾을 수 없습니다.\n"},
    {"packages_page_body_upgrade",
     "제품을 설치하려면 %s개 패키지를 \n"
     "업그레이드해야 합니다.\n"},
    {"packages_page_body_remove", "설치되어 있는 %s개 패키지가 제거됩니다.\n"},
    {"install_start", "시스템에 변경 사항 적용 중"},
    {"install_ok", "변경 사항이 적용되었습니다."},
    {"err_send_mail", "경고: 설치 보고서를 이메일로 보내지 못했습니다."},
    {"err_read_prodsinfo", "다음 파일에서 제품 정보를 읽지 못했습니다: "},
    {"warn_deprecated_option", "경고: 명령줄 옵션 '%s'은(는) 사용 중단되었으므로 무시됩니다."},
    {"err_chk_md5", "다음 파일의 체크섬을 계산하지 못했습니다: "},
    {"new_build_avail", "경고: 서버에 새 제품 빌드가 있습니다."},
    {"added_comps_by_deps", "선택한 구성 요소에 필요하므로 다음 구성 요소가 설치됩니다:"},
    {"removed_comps_by_deps", "설치하도록 선택한 구성 요소와 충돌하거나 제거하도록 선택한 구성 요소가 필요하므로 다음 구성 요소가 제거됩니다:"},
    {"err_dep_from_pkg_unresolved", "%s: \"%s\" 종속성에 대한 \n적절한 해결 방법을 찾을 수 없습니다.\n"},
    {"err_pkg_downgrade", "'%s' 패키지를 버전 %s(으)로 다운그레이드할 수 없습니다.\n현재 버전 %s이(가) 설치되어 있습니다."},
    {"err_pkg_clash", "패키지 \"%s\"와(과) \"%s\"은(는) 동시에 설치할 수 없습니다"},
    {"err_pkg_fileconfl", "파일 \"%s\"와(과) 충돌하기 때문입니다"},
    {"err_pkg_depconfl", "\"%s\"이(가) \"%s\"와(과) 충돌하기 때문입니다."},
    {"pkg_select_reason", "다음 종속성 때문에 \"%s\" 패키지가 선택되었습니다:"},
    {"pkg_select_depend", " \"%s\"(\"%s\"에서 필요)"},
    {"deps_report_head", "다음 문제로 인해 설치가 실패했을 수 있습니다:"},
    {"deps_long_report", "다른 문제도 발생했습니다. 자세한 내용은 \n로그 파일을 참조하십시오: %s.\n"},
    {"user_canceled", "사용자가 중단함"},
    {"goto_webinterface_url", "\n웹 인터페이스가 시작되었습니다. \n브라우저에서 %s을(를) 방문하십시오. \n\n"},
    {"upgrade_from_not_supported_versions", "%s은(는) %s 이하로만 업그레이드할 수 있습니다. 최신 버전으로 업그레이드하려면 다음 문서를 참조하십시오: %s"},
    {"stop_already_stopped", "Zarni Installer가 실행 중이 아닙니다."},
    {"stop_sent", "Zarni Installer 종료를 요청했습니다."},
    {"download_completed", "이미 다운로드됨"},
    {"download_done", "완료"},
    {"download_all_done", "모든 파일이 다운로드되었습니다."},
    {"download_ext_catalog_feed", "확장 카탈로그 피드 다운로드 중..."},
    {"process_apt_get_update", "APT 패키지 인덱스 업데이트 중..."},
    {"question_continue", "계속하시겠습니까?"},
    {"question_show_settings",
     "설치 소스, 연결 또는 설치 프로그램 설정에 문제가 있을 수 있습니다. \n"
     "복구할 수 없는 오류 때문에 설치 프로그램이 종료됩니다. \n"
     "현재 설치 프로그램 설정과 변경 방법을 보시겠습니까?"},
    {"examine_presetup", "설치 전에 구성 요소와 제품 확인 중"},
    {"examine_postsetup", "설치 후에 구성 요소와 제품 확인 중"},
    {"examine_perform", "구성 요소와 제품 확인 중..."},
    {"examine_skip_yesno",
     "발견된 문제를 해결하지 않고 설치 또는 업그레이드를 진행하면 \n"
     "데이터가 손상될 수 있습니다.\n"},
    {"wizard_current_settings", "현재 설정:"},
    {"yesno_retry", "예는 Y, 아니요는 N을 입력하십시오"},
    {"message_press_enter", "(계속하려면 Enter 키를 누르십시오)"},
    {"releases_reporter_no_updates", "사용 가능한 업데이트가 없습니다."},
    {"releases_reporter_list_empty", "설치할 수 있는 제품이 없습니다."},
    {"releases_page_hdr", "제품 및 버전"},
    {"releases_page_body", "다음 제품 버전을 사용할 수 있습니다:"},
    {"releases_no_selected", "선택한 제품 버전이 없습니다."},
    {"releases_upgrade_request1", "현재 제품 버전 "},
    {"releases_upgrade_request2", "이(가) 설치되었습니다. \n업그레이드하시겠습니까?"},
    {"wizard_legend_header", "사용 가능한 작업:"},
    {"wizard_legend_f_forward", "(F) 앞으로 가기"},
    {"wizard_legend_b_back", "(B) 뒤로 가기"},
    {"wizard_legend_q_quit", "(Q) 설치 취소"},
    {"wizard_legend_s_advanced_settings", "(S) 고급 설정 표시"},
    {"wizard_legend_a_select_all", "(A) 모두 선택"},
    {"wizard_legend_d_deselect_all", "(D) 모두 선택 해제"},
    {"wizard_legend_f_forward_specify_params", "(F) 앞으로 가서 매개 변수 지정"},
    {"wizard_legend_f_forward_skip_params", "(F) 매개 변수를 변경하지 않고 앞으로 가기"},
    {"wizard_legend_u_specify_undefined_params", "(U) 앞으로 가서 정의되지 않은 매개 변수만 지정"},
    {"wizard_legend_r_redefine_params_all", "(R) 모든 매개 변수 다시 정의"},
    {"wizard_legend_r_redefine_params_one", "(R) 이 구성 요소의 매개 변수 다시 정의"},
    {"wizard_legend_s_show_packages", "(S) 패키지 목록 표시"},
    {"wizard_prompt_action", "작업을 선택하십시오"},
    {"wizard_prompt_action_retry", "위의 범례에 있는 문자 중 하나를 입력하십시오"},
    {"wizard_prompt_action_or_number", "작업 또는 번호를 선택하십시오"},
    {"wizard_prompt_action_or_number_retry", "번호 또는 위의 범례에 있는 작업 문자를 입력하십시오"},
    {"wizard_prompt_number", "번호를 선택하십시오"},
    {"wizard_prompt_number_retry", "위의 목록에 있는 번호 중 하나를 입력하십시오"},
    {"hello_page_hdr", "Zarni 설치 및 업그레이드 마법사"},
    {"hello_page_body",
     "이 마법사를 사용하면 Zarni를 설치하고, 최신 릴리스로 업그레이드하고, \n"
     "구성 요소를 추가하거나 제거할 수 있습니다.\n"
     "\n"
     "------ 중요 ------\n"
     "\n"
     "* Zarni를 업그레이드하거나 구성 요소를 제거하기 전에 데이터를 백업하십시오.\n"
     "\n"
     "* 패키지를 설치하는 동안 설치를 중단하지 마십시오.\n"
     "\n"
     "* Zarni는 Zarni 최종 사용자 사용권 계약에 따라 배포됩니다. 계속하기 전에 \n"
     "http://www.zarni.example/legal/terms/에 있는 약관을 읽어 보십시오. \n"
     "Zarni를 설치하면 약관에 동의하는 것입니다.\n"},
    {"source_product_source", " 제품 설치 위치: "},
    {"source_target_dir", " 다운로드한 파일 저장 위치: "},
    {"source_from_zarni", "Zarni 업데이트 서버"},
    {"source_from_network", "네트워크 위치"},
    {"source_from_local", "로컬 디렉터리"},
    {"proxy_no_proxy", " 프록시 사용 안 함"},
    {"proxy_no_auth", " 프록시 인증 사용 안 함"},
    {"proxy_proxy_host", " HTTP 프록시 사용(호스트:포트): "},
    {"proxy_auth", " 프록시 인증 사용, 사용자 이름: "},
    {"settings_download_retries", " 실패한 다운로드의 재시도 횟수: "},
    {"settings_page_hdr", "고급 설정"},
    {"settings_page_body",
     "이러한 설정(제품 배포 패키지의 위치, 다운로드한 파일의 저장 위치, \n"
     "프록시 설정, 다운로드 설정)은 명령줄이나 구성 파일에서 지정할 수 \n"
     "있습니다.\n"
     "\n"
     " 명령줄                     | 구성 파일                | 요약\n"
     "----------------------------+--------------------------+--------------------\n"
     " --source <URL or path>     | SOURCE=<URL or path>     | 설치 소스\n"
     " --target <dir>             | TARGET=<dir>             | 다운로드 디렉터리\n"
     " --proxy-host <host>        | PROXY_HOST=<host>        | 프록시 호스트\n"
     " --proxy-port <port>        | PROXY_PORT=<port>        | 프록시 포트\n"
     " --proxy-user <user>        | PROXY_USER=<user>        | 프록시 사용자 이름\n"
     " --proxy-password <pass>    | PROXY_PASSWORD=<pass>    | 프록시 암호\n"
     " --download-retry-count <N> | DOWNLOAD_RETRY_COUNT=<N> | 다운로드 재시도 횟수\n"
     "\n"
     "명령줄 인수가 구성 파일보다 우선합니다. 설치 프로그램은 시작할 때 구성 \n"
     "파일을 읽습니다. 각 설정은 한 줄에 하나씩 쓰십시오(예: PROXY_PORT=3128).\n"},
    {"settings_page_cfg", "설치 프로그램 구성 파일의 위치: "},
    {"insttypes_page_hdr", "설치 유형"},
    {"insttypes_page_body", "설치 유형은 미리 정의된 구성 요소 세트입니다. 그중 하나를 선택하십시오:"},
    {"components_page_hdr", "기본 구성 요소 목록"},
    {"components_page_hdr1", "다음 제품의 주요 구성 요소 목록: "},
    {"components_page_body1", "다음 제품의 구성 요소 표시:"},
    {"components_page_body3", "설치할 구성 요소를 선택하십시오:"},
    {"components_page_bottom_toggle_components", "해당 구성 요소를 전환하려면 번호를 입력하십시오."},
    {"components_page_bottom_toggle_groups",
     "해당 구성 요소를 전환하거나 그룹(<+>로 표시)을 보려면 번호를 입력하십시오."},
    {"components_toggle_also", "이 구성 요소의 상태를 전환하려면 다음 작업도 수행해야 합니다."},
    {"components_install_also", "다음 구성 요소 설치 또는 업그레이드: "},
    {"components_install_remove_them", "이 작업을 수행하시겠습니까?"},
    {"components_remove_also", "다음 구성 요소 제거: "},
    {"components_unmark_also", "다음 구성 요소 선택 해제: "},
    {"components_atleast_one", "계속하려면 구성 요소를 하나 이상 선택해야 합니다."},
    {"components_deny_implicit_remove",
     "이 구성 요소 또는 구성 요소 그룹을 제거하려면 먼저 암시적으로 제거할 수 없는 다음 구성 요소를 제거해야 합니다: "},
    {"components_group_toggle_also", "이 구성 요소들의 상태를 전환하려면 다음 작업도 수행해야 합니다."},
    {"components_group_deny_conflict",
     "다음 구성 요소의 종속성이 깨지므로 이 구성 요소들의 상태를 전환할 수 없습니다: "},
    {"components_group_deny_conflict_suggestion", "대신 구성 요소를 하나씩 전환해 보십시오."},
    {"need_also_message", "선택한 구성 요소에는 다음 구성 요소의 패키지 설치가 필요합니다: \n"},
    {"need_also_remove_message", "선택한 구성 요소에는 다음 구성 요소의 패키지 제거가 필요합니다: \n"},
    {"options_page_hdr", "구성 요소 매개 변수"},
    {"options_page_body1", " 개의 설치할 구성 요소에 지정해야 하는 매개 변수가 있습니다.\n"},
    {"options_page_body3", "지금 필수 매개 변수를 모두 지정해야 합니다.\n"},
    {"options_page_body4", "이 구성 요소들의 매개 변수가 모두 이미 정의되어 있습니다.\n"},
    {"packages_page_hdr", "패키지 변경 사항"},
    {"packages_no_reqpackages", "설치, 업그레이드 또는 제거해야 하는 패키지가 없습니다."},
    {"install_remove", "패키지 제거 중: "},
    {"install_again",
     "알림: Zarni Installer가 패키지를 설치하는 동안 새 제품 빌드가 릴리스되었습니다. \n"
     "설치하시겠습니까?"},
    {"install_install_package", "패키지 설치 중: "},
    {"checking_comps_status", "설치된 제품 구성 요소를 검색하는 중입니다."},
    {"checking_deps", "패키지 종속성 확인 중..."},
    {"err_set_proxyvar", "경고: 패키지 관리자의 프록시 환경 변수를 설정하지 못했습니다."},
    {"err_no_librpm", "오류: RPM 패키지 데이터베이스를 읽는 라이브러리인 librpm을 로드할 수 없습니다."},
    {"err_no_pagers", "경고: 'less' 또는 'more' 유틸리티를 찾을 수 없습니다."},
    {"installling_pkgs", "패키지 설치 중"},
    {"installing_pkglist", "다음 패키지 설치 중:"},
    {"warn_apt_cdrom_in_source",
     "경고: APT 소스 목록에 CD/DVD 소스가 있습니다. Zarni Installer가 중지되어 \n"
     "디스크를 기다릴 수 있습니다. 디스크가 없으면 /etc/apt/sources.list와 \n"
     "/etc/apt/sources.list.d/의 파일에서 cdrom 줄을 제거한 다음 설치를 다시 \n"
     "실행하십시오."},
    {"retype_password", "암호 다시 입력: "},
    {"webinterface_exit_by_timeout", " 오랫동안 작업이 없어 Zarni Installer가 닫혔습니다."},
    {"ask_customer_feedback",
     "문제가 발생할 때 Zarni 개발자에게 오류 보고서를 보내 Zarni 개선에 \n"
     "참여하시겠습니까?"},
    {"press_enter_to_exit", "종료하려면 ENTER 키를 누르십시오..."},
    {"comps_no_options", "나열된 구성 요소 중 설정이 있는 구성 요소가 없습니다."},
    {"options_select_all_IPs", "모든 IP 주소 선택"},
    {"searching_need_pkgs", "필요한 패키지 검색 중..."},
    {"confirm_uninstallation", "%s과(와) 모든 구성 요소를 제거하시겠습니까?"},
    {"confirm_uninstallation_title", "%s 제거"},
    {"cancel_uninstallation", "제거 취소"},
    {"error_supp_maybe",
     "이 문제를 해결한 다음 패키지를 다시 설치해 보십시오. \n"
     "Zarni 지원 사이트 https://support.zarni.example/에서 해결 방법을 검색할 수 있습니다."},
    {"usage_header",
     "사용법: installer [옵션]\n"
     "\n"
     "Zarni Installer는 Zarni 제품과 해당 구성 요소를 설치, 업그레이드 및 \n"
     "제거합니다. 옵션 없이 실행하면 콘솔에서 대화형 마법사가 시작됩니다.\n"
     "\n"},
    {"usage_download",
     " 다운로드 옵션:\n"
     "--source <URL or absolute path>\n"
     "지정한 업데이트 서버나 미러 또는 로컬 디렉터리에서 제품을 \n"
     "가져옵니다.\n"
     "                         예제 값:\n"
     "                         http://updates.zarni.example/\n"
     "                         http://mirror.zarni.example/zarni/\n"
     "                         /root/kestavine/mirror/\n"
     "\n"
     "    --target <dir>       다운로드한 파일을 지정한 디렉터리에 저장합니다.\n"
     "                         예제 값:\n"
     "                         /root/kestavine\n"
     "\n"
     "    --download-retry-count <number>\n"
     "    실패한 다운로드를 다시 시도하는 횟수입니다(기본값: 3).\n"
     "\n"},
    {"usage_proxy",
     " 프록시 옵션:\n"
     "--proxy-host <host>  프록시 서버 호스트 이름 또는 IP 주소입니다.\n"
     "\n"
     "    --proxy-port <port>  프록시 서버 포트입니다(기본값: 3128).\n"
     "\n"
     "    --proxy-user <user>  프록시 인증을 위한 사용자 이름입니다.\n"
     "\n"
     "    --proxy-password <password>\n"
     "                         프록시 인증을 위한 암호입니다.\n"
     "\n"},
    {"usage_selectors",
     " 제품 및 릴리스 선택 옵션:\n"
     "--select-product-id <product id>\n"
     "뒤에 오는 옵션이 참조하는 제품을 선택합니다. \n"
     " 제품의 릴리스는 다음 옵션 중 하나로 선택하십시오. \n"
     " 옵션: --select-release-id, --select-release-latest, \n"
     " 또는 --select-release-current\n"
     "\n"
     "    --select-release-id <release id>\n"
     "    지정한 ID의 릴리스를 선택합니다.\n"
     "\n"
     "    --select-release-latest\n"
     "    제품의 사용 가능한 최신 릴리스를 선택합니다.\n"
     "\n"
     "    --select-release-current\n"
     "    제품의 설치된 릴리스를 선택합니다.\n"
     "\n"
     "    --tier <tiers>       지정한 티어의 릴리스만 제공합니다. stable,testing과 \n"
     "    같이 쉼표로 구분된 목록입니다. 기본값은 \"stable,release,current\"입니다.\n"
     "\n"
     "    --all-versions       티어로 릴리스를 필터링하지 않습니다. 이 옵션을 \n"
     "    사용하면 설치 프로그램이 미리 보기 릴리스를 포함한 모든 티어의 \n"
     "    릴리스를 제공합니다.\n"
     "\n"},
    {"usage_install",
     " 설치 옵션:\n"
     "--installation-type <type name>\n"
     "선택한 제품 릴리스에서 지정한 설치 유형(예: 'Recommended' 또는 'Full')의 \n"
     "구성 요소를 설치합니다.\n"
     "                         예:\n"
     "                         1) 최신 Zarni의 권장 구성 요소:\n"
     "                         --select-product-id zarni --select-release-latest \\\n"
     "                         --installation-type Recommended\n"
     "                         2) Zarni 릴리스 ZARNI_12_5_30의 모든 구성 요소:\n"
     "                         --select-product-id zarni \\\n"
     "                         --select-release-id ZARNI_12_5_30 \\\n"
     "                         --installation-type Full\n"
     "\n"
     "    --install-component <component id>\n"
     "    선택한 제품 릴리스에서 지정한 구성 요소를 설치합니다. 여러 구성 요소를 \n"
     "    설치하려면 이 옵션을 반복하십시오.\n"
     "                         예:\n"
     "                         1) 설치된 Zarni에 Horde 웹메일 추가:\n"
     "                         --select-product-id zarni --select-release-current \\\n"
     "                         --install-component horde\n"
     "                         2) 패널과 Postfix를 포함하여 Zarni 12.5.30 설치:\n"
     "                         --select-product-id zarni \\\n"
     "                         --select-release-id ZARNI_12_5_30 \\\n"
     "                         --install-component panel --install-component postfix\n"
     "\n"
     "    --set-option <setting_name>=<setting_value>\n"
     "    앞의 --select-product-id로 지정한 제품의 구성 요소 설정을 지정합니다. \n"
     "    여러 설정을 지정하려면 이 옵션을 반복하십시오.\n"
     "\n"},
    {"usage_remove",
     " 제거 옵션:\n"
     "--remove-component <component id>\n"
     "선택한 제품에서 지정한 구성 요소를 제거합니다. 여러 구성 요소를 제거하려면 \n"
     "이 옵션을 반복하십시오.\n"
     "                         예:\n"
     "                         1) Zarni에서 Horde 웹메일 제거:\n"
     "                         --select-product-id zarni --remove-component horde\n"
     "                         2) 두 구성 요소를 한 번에 제거:\n"
     "                         --select-product-id zarni \\\n"
     "                         --remove-component horde \\\n"
     "                         --remove-component postfix\n"
     "\n"
     "    --remove-everything  선택한 제품의 모든 구성 요소, 즉 제품 자체를 \n"
     "    제거합니다.\n"
     "                         예(Zarni 제거):\n"
     "                         --select-product-id zarni --remove-everything\n"
     "\n"
     "    --interactive-uninstall\n"
     "                         --remove-everything과 함께 사용하면 Zarni Installer가 \n"
     "                         종료되기 전에 Enter 키를 기다립니다.\n"
     "\n"},
    {"usage_upgrade",
     " 업그레이드 옵션:\n"
     "--upgrade-installed-components\n"
     "선택한 제품의 설치된 구성 요소를 선택한 릴리스로 업그레이드합니다.\n"
     "                         예:\n"
     "                         1) 설치된 Zarni의 최신 업데이트 설치:\n"
     "                         --select-product-id zarni --select-release-current \\\n"
     "                         --upgrade-installed-components\n"
     "                         2) Zarni를 ZARNI_12_5_30 릴리스로 업그레이드:\n"
     "                         --select-product-id zarni \\\n"
     "                         --select-release-id ZARNI_12_5_30 \\\n"
     "                         --upgrade-installed-components\n"
     "\n"
     "    --include-components-from-class <class>\n"
     "    선택한 제품의 설치된 구성 요소 중 지정한 클래스(예: aspect=panel)에 \n"
     "    속하는 구성 요소만 업그레이드합니다. 여러 클래스를 지정하려면 이 옵션을 \n"
     "    반복하십시오.\n"
     "\n"},
    {"usage_no_warn",
     " 구성 요소 확인 옵션:\n"
     "    --skip-components-check\n"
     "    설치 전후에 구성 요소와 제품을 확인하지 않습니다. Zarni Installer는 \n"
     "    데이터를 손상시킬 수 있는 문제를 찾기 위해 이러한 확인을 실행하므로, \n"
     "    설치가 안전하다고 확신할 때만 건너뛰십시오.\n"
     "\n"},
    {"usage_list",
     " 제품, 릴리스 및 구성 요소 나열 옵션:\n"
     "--show-releases      선택한 제품(제품을 선택하지 않으면 Zarni)의 사용 가능한 \n"
     "릴리스를 릴리스 ID 및 티어와 함께 나열합니다. --all-versions를 사용하거나 \n"
     "옵션 --tier로 다른 티어를 지정하지 않으면 Zarni Installer는 \"stable\", \n"
     "\"release\", \"current\" 티어의 릴리스만 나열합니다.\n"
     "\n"
     "    --show-all-releases  사용 가능한 모든 제품과 해당 릴리스를 나열합니다.\n"
     "\n"
     "    --show-os-list       선택한 릴리스가 빌드된 운영 체제를 나열합니다.\n"
     "\n"
     "    --show-installation-types\n"
     "    선택한 릴리스의 설치 유형을 나열합니다.\n"
     "\n"
     "    --show-components    선택한 릴리스의 구성 요소와 각 구성 요소가 \n"
     "    설치되었는지, 업그레이드할 수 있는지 또는 최신 상태인지를 나열합니다. \n"
     "    표시된 구성 요소 ID는 --install-component 및 --remove-component와 함께 \n"
     "    사용하십시오.\n"
     "\n"
     "    --show-upgradable-components\n"
     "    업그레이드할 수 있는 구성 요소만 나열합니다.\n"
     "\n"
     "    --show-options       --show-components와 함께 사용하면 각 구성 요소의 \n"
     "    설정도 표시합니다. --show-upgradable-components와 함께 사용할 수 없습니다.\n"
     "\n"
     "    --show-packages      설치, 업그레이드 또는 제거 옵션과 함께 사용하면 \n"
     "    아무것도 변경하지 않고 설치 [I], 업그레이드 [U] 또는 제거 [R]될 패키지만 \n"
     "    표시합니다.\n"
     "\n"},
    {"usage_automation",
     " 자동화 옵션:\n"
     "--enable-xml-output  스크립트 및 기타 프로그램을 위해 응답과 상태 메시지를 \n"
     "XML 형식으로 출력합니다. 이 경우 설치는 백그라운드에서 실행됩니다.\n"
     "\n"
     "    --query-status       Zarni Installer가 실행 중인지, 실행 중이면 작업의 \n"
     "    단계와 스텝을 표시합니다. 응답 상태는 다음 중 하나입니다.\n"
     "    query_ok   - Zarni Installer가 실행 중이 아님\n"
     "    query_busy - Zarni Installer가 실행 중임\n"
     "\n"
     "    --check-updates      선택한 제품(제품을 선택하지 않으면 Zarni)에 사용 \n"
     "    가능한 업데이트가 있는지 확인합니다.\n"
     "    예:\n"
     "                         --select-product-id zarni --check-updates\n"
     "\n"
     "    --no-daemon          --enable-xml-output과 함께 사용하면 포그라운드에서 \n"
     "                         설치하고 설치가 끝날 때까지 기다립니다.\n"
     "\n"},
    {"usage_web",
     " 웹 인터페이스 옵션:\n"
     "--web-interface      콘솔 대신 웹 브라우저에서 설치 마법사를 실행합니다. \n"
     "마법사는 포트 8447에서 제공됩니다.\n"
     "\n"
     "    --ssl-cert <file.pem>\n"
     "                         HTTPS용 인증서와 개인 키가 들어 있는 파일입니다. \n"
     "                         기본적으로 자체 서명된 인증서가 만들어집니다.\n"
     "\n"
     "    --without-ssl        웹 인터페이스를 암호화하지 않은 \n"
     "    일반 HTTP로 제공합니다.\n"
     "\n"},
    {"usage_override",
     " 감지된 운영 체제를 재정의하는 옵션:\n"
     "--override-os-name <arg>\n"
     "                         감지된 운영 체제 이름 대신 지정한 이름을 사용합니다.\n"
     "\n"
     "    --override-os-vendor <arg>\n"
     "                         감지된 운영 체제 공급업체 대신 지정한 공급업체를 \n"
     "                         사용합니다.\n"
     "\n"
     "    --override-os-version <arg>\n"
     "                         감지된 운영 체제 버전 대신 지정한 버전을 사용합니다.\n"
     "\n"
     "    --override-os-arch <arg>\n"
     "                         감지된 아키텍처 대신 지정한 아키텍처를 사용합니다.\n"
     "\n"
     "    --override-environment <arg>\n"
     "                         감지된 환경 대신 지정한 환경('dedicated' 또는 'cq')을 \n"
     "                         사용합니다.\n"
     "\n"},
    {"usage_console",
     " 대화형 콘솔 인터페이스 옵션:\n"
     "--no-clear           마법사의 페이지 사이를 이동할 때 화면을 지우지 \n"
     "않습니다.\n"
     "\n"},
    {"usage_feedback",
     " 피드백 옵션:\n"
     "--enable-feedback    문제가 발생하면 Zarni Installer가 Zarni 개발자에게 \n"
     "오류 보고서를 보내도록 허용합니다.\n"
     "\n"
     "    --disable-feedback  오류 보고서를 보내지 않습니다. Zarni Installer는 \n"
     "    이후 실행을 위해 이 선택을 기억합니다.\n"
     "\n"},
    {"usage_logging",
     " 로깅 및 알림 옵션:\n"
     "--notify-email <email>\n"
     "                         Zarni Installer가 완료되면 결과 보고서를 지정한 \n"
     "                         이메일 주소로 보냅니다.\n"
     "\n"
     "    --truncate-log       시작할 때 Zarni Installer의 로그 파일을 비웁니다.\n"
     "\n"
     "    --separate-logs      Zarni Installer를 실행할 때마다 별도의 로그 파일을 \n"
     "                         씁니다.\n"
     "\n"
     "    --debug              디버그 정보를 로그 파일에 씁니다.\n"
     "\n"},
    {"usage_help",
     " Zarni Installer 도움말 및 버전 옵션:\n"
     "--version            Zarni Installer의 버전을 표시합니다.\n"
     "\n"
     "    --usage,\n"
     "    --help               명령 기반 인터페이스의 개요를 표시합니다.\n"
     "\n"
     "    --help-options       옵션 기반 인터페이스에 대한 이 도움말을 표시합니다.\n"
     "\n"},
    {"usage_obsolete",
     " 폐기된 옵션:\n"
     "--disable-zarni-sys-updates\n"
     "Zarni와 함께 제공되는 운영 체제 업데이트를 끄는 데 사용되었습니다. 지금도 \n"
     "허용되지만 설치되는 항목은 더 이상 바뀌지 않습니다.\n"
     "\n"
     "    --install-everything\n"
     "    선택한 제품 릴리스의 모든 구성 요소를 설치합니다. \n"
     "    대신 --installation-type 'Full'을 사용하십시오.\n"
     "\n"
     "    --branch <tiers>     --tier와 같습니다.\n"
     "\n"
     "    --skip-branch-filter\n"
     "    이 옵션은 --all-versions와 같습니다.\n"
     "\n"},
    {"usage_deprecated",
     " 사용 중단된 옵션(허용되지만 경고와 함께 무시됨):\n"
     "    --source-type        설치 소스의 유형을 설정하는 데 사용되었습니다. 이제 \n"
     "                         유형은 --source 값에서 인식됩니다.\n"
     "\n"
     "    --add-source         추가 패키지 소스를 추가하는 데 사용되었습니다.\n"
     "\n"
     "    --show-additional-source-types\n"
     "                         추가 패키지 소스의 유형을 나열하는 데 사용되었습니다.\n"
     "\n"
     "    --show-additional-sources\n"
     "                         추가 패키지 소스를 나열하는 데 사용되었습니다.\n"
     "\n"
     "    --mirror-os          다른 운영 체제용 제품 버전을 미러링하는 데 \n"
     "                         사용되었습니다.\n"
     "\n"
     "    --install-system-only\n"
     "                         Zarni Tenebrin의 시스템 패키지만 설치하는 데 \n"
     "                         사용되었습니다.\n"
     "\n"
     "    --allow-kernel-install\n"
     "                         커널 패키지 설치를 허용하는 데 사용되었습니다.\n"
     "\n"
     "    --disable-major-updates\n"
     "                         새 주 릴리스로의 업그레이드를 막는 데 사용되었습니다. \n"
     "                         대신 설치할 릴리스를 --select-release-id 또는 \n"
     "                         --select-release-current로 선택하십시오.\n"
     "\n"
     "    --upgrade-system-packages\n"
     "                         운영 체제 패키지도 업그레이드하는 데 사용되었습니다.\n"
     "\n"
     "    --reinstall-patch    선택한 제품의 최신 패치를 다시 설치하는 데 \n"
     "                         사용되었습니다. 명령 기반 인터페이스도 같은 방식으로 \n"
     "                         --repatch를 무시합니다.\n"
     "\n"
     "    --skip-patch         패치 설치를 건너뛰는 데 사용되었습니다. 명령 기반 \n"
     "                         인터페이스도 같은 방식으로 이 옵션을 무시합니다.\n"
     "\n"
     "    --no-space-check     디스크 여유 공간 확인을 건너뛰는 데 사용되었습니다.\n"
     "\n"},
    {"usage_end",
     "명령 기반 인터페이스에 대한 자세한 내용은 'installer help'를 참조하십시오. \n"
     "이 명령이 실패하면 Zarni 웹 사이트의 홈 페이지 https://www.zarni.example/에서 \n"
     "최신 버전의 Zarni Installer를 다운로드하십시오. \n"},
    {"usage_commands",
     "사용: installer COMMAND [OPTIONS]\n"
     "\n"
     "명령:\n"
     "    list      사용 가능한 제품, 릴리스, 사전 설정 및 구성 요소 나열\n"
     "    list-all  사용 가능한 모든 제품과 해당 릴리스 나열\n"
     "    install   제품 릴리스 설치\n"
     "    update    설치된 제품의 최신 업데이트 설치\n"
     "    add       설치된 제품에 구성 요소 추가\n"
     "    remove    설치된 제품에서 구성 요소 제거\n"
     "    upgrade   설치된 제품을 다른 릴리스로 업그레이드\n"
     "    stop      실행 중인 Zarni Installer 중지\n"
     "    version   Zarni Installer의 버전 표시\n"
     "    help      명령에 대한 도움말 표시\n"
     "\n"
     "특정 명령에 대한 도움말은 'installer help COMMAND'를 참조하십시오.\n"
     "옵션 기반 인터페이스에 대한 도움말은 'installer --help-options'를 참조하십시오.\n"},
    {"usage_cmd_prefix", "사용법: installer "},
    {"usage_cmd_version", "Zarni Installer의 버전을 표시합니다."},
    {"usage_cmd_help",
     "COMMAND가 없으면 명령을 나열합니다. COMMAND가 있으면 해당 명령의 도움말을 \n"
     "표시합니다. 더 많은 옵션을 보려면 --verbose(-v)를 추가하십시오."},
    {"usage_cmd_list_all", "사용 가능한 모든 제품과 해당 릴리스를 나열합니다."},
    {"usage_cmd_list",
     "사용 가능한 제품과 릴리스를 나열합니다. 정확한 릴리스(릴리스 ID 또는 제품 ID와 \n"
     "버전)를 지정하면 해당 설치 사전 설정(--presets), 구성 요소(--components, \n"
     "--options를 추가하면 설정 포함) 또는 해당 릴리스에 대한 시스템 패키지 관리자 \n"
     "구성(--sources)을 나열합니다."},
    {"usage_cmd_install",
     "제품 릴리스를 설치합니다. 선택기가 없으면 사용 가능한 최신 Zarni 릴리스가 \n"
     "설치됩니다. 사전 설정(--preset, --with 및 --without으로 조정)으로 구성 요소를 \n"
     "선택하거나 --components로 구성 요소 이름을 지정하십시오."},
    {"usage_cmd_upgrade",
     "설치된 제품을 다른 릴리스로 업그레이드합니다. 릴리스는 릴리스 ID, 제품 ID와 \n"
     "버전, 또는 제품 ID와 티어(해당 티어의 최신 릴리스 사용)로 지정합니다. 정확한 \n"
     "릴리스를 지정하지 않으면 사용 가능한 릴리스가 나열됩니다."},
    {"usage_cmd_update",
     "설치된 모든 제품 또는 PRODUCT에만 최신 업데이트를 설치합니다. 다른 \n"
     "릴리스로 업그레이드하지는 않습니다."},
    {"usage_cmd_add", "설치된 제품에 구성 요소를 추가합니다."},
    {"usage_cmd_remove", "설치된 제품에서 구성 요소를 제거합니다."},
    {"usage_cmd_add_remove_tail", "제품이 하나만 설치되어 있으면 PRODUCT를 생략할 수 있습니다.\n"},
    {"usage_cmd_stop",
     "실행 중인 Zarni Installer를 중지합니다. 다음 안전한 지점에서 중지되며, \n"
     "--terminate를 사용하면 패키지를 설치하는 중에도 중지됩니다."},
    {"usage_components",
     "COMPONENTS는 구성 요소 ID 목록입니다. 공백이나 쉼표로 구분하거나 \n"
     "옵션을 반복하십시오.\n"
     "--components panel horde\n"
     "--components panel,horde\n"
     "--components panel --components horde\n"},
    {"usage_verbose",
     "더 많은 옵션을 보려면 '--verbose'(또는 '-v')를, 모든 옵션을 보려면 \n"
     "'--verbose=2'를 추가하십시오."},
    {"usage_hdr_command_opts", "명령 옵션"},
    {"usage_hdr_general_opts", "일반 옵션"},
    {"usage_hdr_download_opts", "다운로드 옵션"},
    {"usage_hdr_proxy_opts", "프록시 옵션"},
    {"usage_hdr_skip_opts", "단계를 건너뛰는 옵션"},
    {"usage_hdr_env_opts", "운영 체제 재정의 옵션"},
    {"usage_opt_source",
     "설치 소스: 업데이트 서버나 미러의 URL 또는 로컬 디렉터리의 절대 경로"},
    {"usage_opt_target", "다운로드한 파일의 디렉터리"},
    {"usage_opt_tries", "실패한 다운로드의 재시도 횟수(기본값: 3)"},
    {"usage_opt_ext", "제품이 지정하는 카탈로그 대신 사용할 확장 카탈로그의 URL"},
    {"usage_opt_proxy_host", "프록시 서버 호스트 이름 또는 IP 주소"},
    {"usage_opt_proxy_port", "프록시 서버 포트(기본값: 3128)"},
    {"usage_opt_proxy_user", "프록시 인증을 위한 사용자 이름"},
    {"usage_opt_proxy_pass", "프록시 인증을 위한 암호"},
    {"usage_opt_skip_examine", "설치 전후에 구성 요소와 제품 확인을 실행하지 않음"},
    {"usage_opt_skip_gpg", "패키지의 GPG 서명을 확인하지 않음"},
    {"usage_opt_skip_cleanup", "설치 프로그램이 종료될 때 패키지 리포지토리 구성을 유지"},
    {"usage_opt_no_self_upgrade", "Zarni Installer를 자신의 최신 버전이나 이전 버전으로 바꾸지 않음"},
    {"usage_opt_help", "명령의 도움말 표시"},
    {"usage_opt_xml", "응답과 상태 메시지를 XML 형식으로 출력"},
    {"usage_opt_debug", "디버그 정보를 로그 파일에 쓰기"},
    {"usage_opt_truncate_log", "시작할 때 Zarni Installer의 로그 파일 비우기"},
    {"usage_opt_separate_log", "Zarni Installer를 실행할 때마다 별도의 로그 파일 쓰기"},
    {"usage_opt_email", "Zarni Installer가 완료되면 결과 보고서를 이 이메일 주소로 보내기"},
    {"usage_opt_verbose", "도움말에 더 많은 옵션 표시: 1은 더 많은 옵션, 2는 모든 옵션"},
    {"usage_opt_completion", "셸 자동 완성을 위해 명령의 옵션 출력(JSON)"},
    {"usage_opt_override_os_name", "감지된 이름 대신 사용할 운영 체제 이름"},
    {"usage_opt_override_os_vendor", "감지된 공급업체 대신 사용할 운영 체제 공급업체"},
    {"usage_opt_override_os_version", "감지된 버전 대신 사용할 운영 체제 버전"},
    {"usage_opt_override_os_arch", "감지된 아키텍처 대신 사용할 아키텍처"},
    {"usage_opt_override_env", "감지된 환경 대신 사용할 환경: 'dedicated' 또는 'cq'"},
    {"usage_opt_list_presets", "릴리스의 설치 사전 설정 나열"},
    {"usage_opt_list_components", "릴리스의 구성 요소 나열"},
    {"usage_opt_list_options", "--components와 함께 사용하면 각 구성 요소의 설정도 표시"},
    {"usage_opt_dry_run",
     "아무것도 변경하지 않고 설치 [I], 업그레이드 [U] 또는 제거 [R]될 패키지만 표시"},
    {"usage_opt_install_preset",
     "이 사전 설정(설치 유형)의 구성 요소 설치(예: 'Recommended' 또는 'Full')"},
    {"usage_opt_install_with", "사전 설정에 더해 설치할 구성 요소"},
    {"usage_opt_install_without", "설치하지 않을 사전 설정의 구성 요소"},
    {"usage_opt_install_components", "사전 설정 대신 설치할 구성 요소"},
    {"usage_opt_install_options", "구성 요소 설정(각각 name=value 형식)"},
    {"usage_opt_update_panel_only",
     "Zarni가 관리하는 다른 서비스가 아닌 Zarni 자체의 업데이트만 설치"},
    {"usage_opt_addremove_components", "추가하거나 제거할 구성 요소"},
    {"usage_opt_stop_terminate",
     "패키지를 설치하는 중에도 Zarni Installer 중지(SIGHUP 대신 SIGTERM 보내기)"},
    {"error_supp_need", "Zarni 지원 사이트 https://support.zarni.example/에서 해결 방법을 검색할 수 있습니다."},
    {"os_win2003_not_supported",
     "Zarni에서 Windows Server 2003을 더 이상 지원하지 않습니다. "
     "Zarni 수명 주기 정책(https://www.zarni.example/legal/lifecycle-policy/)에 따라 최신 버전의 운영 체제를 사용하는 것이 좋습니다."},
    {"os_win2008_not_supported_product_installed",
     "Zarni에서 Windows Server 2008을 더 이상 지원하지 않습니다. "
     "Zarni 수명 주기 정책(https://www.zarni.example/legal/lifecycle-policy/)에 따라 최신 버전의 운영 체제를 사용하는 것이 좋습니다. "
     "지원되는 운영 체제가 설치된 서버로 Zarni를 옮기려면 마이그레이션 가이드(https://www.zarni.example/en/121368)를 따르십시오."},
    {"os_win2008_not_supported_product_not_installed",
     "Zarni에서 Windows Server 2008을 더 이상 지원하지 않습니다. "
     "Zarni 수명 주기 정책(https://www.zarni.example/legal/lifecycle-policy/)에 따라 최신 버전의 운영 체제를 사용하는 것이 좋습니다."},
    {"os_win2008r2_not_supported_product_installed",
     "Zarni에서 Windows Server 2008 R2를 더 이상 지원하지 않습니다. "
     "Zarni 수명 주기 정책(https://www.zarni.example/legal/lifecycle-policy/)에 따라 최신 버전의 운영 체제를 사용하는 것이 좋습니다. "
     "지원되는 운영 체제가 설치된 서버로 Zarni를 옮기려면 마이그레이션 가이드(https://www.zarni.example/en/121368)를 따르십시오."},
    {"os_win2008r2_not_supported_product_not_installed",
     "Zarni에서 Windows Server 2008 R2를 더 이상 지원하지 않습니다. "
     "Zarni 수명 주기 정책(https://www.zarni.example/legal/lifecycle-policy/)에 따라 최신 버전의 운영 체제를 사용하는 것이 좋습니다."},
};

}  // namespace

void loadInstallerMessages_ko_KR(Messages::messages_rep& catalogue)
{
    loadMessageTable(catalogue, kTable);
}
