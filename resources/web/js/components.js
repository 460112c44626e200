// The component tree of the components pages. The page defines the globals
// `products` (product id -> {name, uninstall, components}),
// `updateComponentsMode`, `updateComponentsByDefault` and `Kw.texts`; this
// script builds the tree in the element "products" on load and keeps the
// hidden fields the server reads: "product_list", "<product>_components" and
// "<product>_<component>" (the mark: "install", "remove" or "leave").
//
// Names arrive as HTML (the server escapes them) and are inserted as such;
// ids arrive as plain strings and only ever reach the page through DOM
// properties, so an id can never turn into markup.

var Kw = window.Kw || {};
Kw._products = Kw._products || [];
Kw._fields = {};

// The hidden form field of that name, made on first use.
Kw.setField = function (name, value) {
  var field = Kw._fields[name];
  if (!field) {
    field = $('form-selection').select('input[type=hidden]').find(function (input) {
      return input.name == name;
    });
    if (!field) {
      field = new Element('input', { type: 'hidden' });
      field.name = name;
      $('form-selection').insert(field);
    }
    Kw._fields[name] = field;
  }
  field.value = value;
};

// --- Mixins: each adds one control with its build_ and refresh_ operation ---

Kw.Mixin = {};

// The hint after the name: what will happen to a component, or how many of a
// group's components are selected.
Kw.Mixin.Hint = {
  build_hint: function (line) {
    this.hintElement = new Element('span', { 'class': 'component-state' });
    line.insert(this.hintElement);
  },
  refresh_hint: function () {
    this.hintElement.update(this.hintText());
  }
};

// The picture of the catalogue's action (the older styles).
Kw.Mixin.StatusIcon = {
  build_statusIcon: function (line) {
    var classes = { install: 'not-installed', upgrade: 'updates_available', update: 'updates_available',
                    up2date: 'installed', error: 'inactive' };
    line.insert(new Element('span', { 'class': 'status-icon ' + (classes[this.config.action] || '') }));
  },
  refresh_statusIcon: function () { }
};

// A check box: a component's shows its mark "install"; a group's is checked
// when every member is selected.
Kw.Mixin.CheckBox = {
  build_checkBox: function (line) {
    this.checkBox = new Element('input', { type: 'checkbox', 'class': 'chbox' });
    this.checkBox.disabled = this.checkBoxDisabled();
    this.checkBox.checked = this.checkBoxChecked();
    this.checkBox.observe('click', this.onCheckBox.bind(this));
    line.insert(this.checkBox);
  },
  refresh_checkBox: function () {
    this.checkBox.checked = this.checkBoxChecked();
  },
  onCheckBox: function () {
    if (this.checkBox.checked) this.install(); else this.leaveNotInstalled();
  }
};

// A drop-down menu of the actions that change the mark; the entry of the
// current mark is hidden.
Kw.Mixin.DropDown = {
  build_dropDown: function (line) {
    this.dropDown = new Element('span', { 'class': 'dropdown-box' });
    this.dropDownHeading = new Element('span', { 'class': 'dropdown-heading' });
    var list = new Element('ul', { 'class': 'dropdown-list' });
    this.dropDownItems = this.dropDownEntries().map(function (entry) {
      var item = new Element('li', { 'class': 'dropdown-item' }).update(entry.text);
      item.entry = entry;
      if (entry.disabled) item.addClassName('inactive');
      // Any click on the menu closes it; an inactive entry does nothing more.
      item.observe('click', function (event) {
        event.stop();
        this.dropDown.removeClassName('dropdown-box-expanded');
        if (!entry.disabled) entry.action.call(this);
      }.bind(this));
      list.insert(item);
      return item;
    }, this);
    this.dropDown.insert(this.dropDownHeading);
    this.dropDown.insert(new Element('div', { 'class': 'dropdown-content' }).update(list));
    if (this.dropDownInactive()) this.dropDown.addClassName('inactive');
    else this.dropDownHeading.observe('click', function () {
      this.dropDown.toggleClassName('dropdown-box-expanded');
    }.bind(this));
    line.insert(this.dropDown);
  },
  refresh_dropDown: function () {
    this.dropDownHeading.className = 'dropdown-heading ' + this.dropDownState();
    this.dropDownHeading.update(this.dropDownHeadingText());
    this.dropDownItems.each(function (item) {
      item.toggle(!item.entry.hiddenWhen.call(this));
    }, this);
  }
};

// The plus-minus control of a group: collapsed at start, expanded once at
// the first refresh when the group holds changes.
Kw.Mixin.Expand = {
  build_expand: function (line) {
    var toggle = new Element('span', { 'class': 'plus-minus' });
    toggle.observe('click', function (event) {
      event.stop();
      this.setExpanded(!this.expanded);
    }.bind(this));
    line.insert({ top: toggle });
    this.setExpanded(false);
  },
  refresh_expand: function () {
    if (this.expandChecked) return;
    this.expandChecked = true;
    if (this.hasChanges()) this.setExpanded(true);
  },
  setExpanded: function (expanded) {
    this.expanded = expanded;
    this.element.removeClassName(expanded ? 'collapsed' : 'expanded');
    this.element.addClassName(expanded ? 'expanded' : 'collapsed');
  }
};

// A group that shows nothing while it has no component to offer.
Kw.Mixin.HideWhenEmpty = {
  build_hideWhenEmpty: function () { },
  refresh_hideWhenEmpty: function () {
    this.element.toggle(this.total() > 0);
  }
};

// A component of a radio group: a radio button named after the group.
Kw.Mixin.RadioButton = {
  build_radioButton: function (line) {
    this.radioButton = new Element('input', { type: 'radio', 'class': 'chbox' });
    this.radioButton.name = this.product.id + '_' + this.group.config.id;
    this.radioButton.value = this.config.id;
    this.radioButton.checked = this.config.markedForInstall || this.config.installed;
    this.radioButton.disabled = this.config.required;
    this.radioButton.observe('click', function () { this.group.selectSubcomponent(this); }.bind(this));
    line.insert(this.radioButton);
  },
  refresh_radioButton: function () {
    this.radioButton.checked = this.group.chosen == this;
  },
  hide: function () {
    if (this.radioButton.checked) this.group.hide();
    this.element.hide();
  },
  show: function () {
    if (this.radioButton.checked) this.group.show();
    this.element.show();
  }
};

// --- Components ---

// What components and groups share: a list element holding a line with the
// node's controls, in the order of `controls` ("name" is the name itself).
Kw.Node = {
  controls: [],

  buildElement: function (className, dataName) {
    this.element = new Element('li', { 'class': className });
    this.element.writeAttribute(dataName, this.config.id);
    var line = new Element('div', { 'class': 'component-line' });
    this.element.insert(line);
    this.controls.each(function (control) {
      if (control == 'name') line.insert(new Element('span', { 'class': 'component-name' }).update(this.config.name));
      else this['build_' + control](line);
    }, this);
  },

  refreshControls: function () {
    this.controls.each(function (control) {
      if (control != 'name') this['refresh_' + control]();
    }, this);
  }
};

Kw.Component = Class.create(Kw.Node, {
  initialize: function (product, group, config) {
    this.product = product;
    this.group = group;
    this.config = config;
    this.buildElement('component', 'data-component');
    product.register(this);
    this.setMark(this.initialMark());
  },

  initialMark: function () {
    if (this.config.markedForInstall && (updateComponentsByDefault || !this.config.installed)) return 'install';
    if (this.config.markedForRemove) return 'remove';
    return 'leave';
  },

  fieldName: function () { return this.product.id + '_' + this.config.id; },

  setMark: function (mark) {
    this.markedFor = mark;
    Kw.setField(this.fieldName(), mark);
    this.product.refresh();
  },

  install: function () { this.setMark('install'); },
  remove: function () {
    if (!this.config.installed) this.setMark('leave');
    else if (this.config.uninstallSupport) this.setMark('remove');
  },
  leave: function () { this.setMark('leave'); },
  leaveInstalled: function () { this.setMark('leave'); },
  leaveNotInstalled: function () { this.setMark('leave'); },

  isInstalled: function () { return this.config.installed; },
  isSelected: function () {
    return this.markedFor == 'install' || (!updateComponentsMode && this.config.installed && this.markedFor == 'leave');
  },
  hasChanges: function () { return this.markedFor != 'leave'; },
  selectedCount: function () { return this.isSelected() ? 1 : 0; },
  total: function () { return 1; },

  show: function () { this.element.show(); },
  hide: function () { this.element.hide(); },

  updateAppearance: function () { this.refreshControls(); },

  hintText: function () {
    if (!this.config.installed && this.markedFor == 'install') return '(' + Kw.texts.toBeInstalled + ')';
    if (this.config.installed && this.markedFor == 'remove') return '(' + Kw.texts.toBeRemoved + ')';
    return '';
  },

  checkBoxChecked: function () { return this.markedFor == 'install' || (this.markedFor === undefined && this.config.markedForInstall); },
  checkBoxDisabled: function () {
    return this.config.required || (!updateComponentsMode && this.config.installed);
  },

  dropDownInactive: function () { return this.config.required; },
  // The heading names the current choice: the entry the menu hides.
  dropDownHeadingText: function () {
    var current = this.dropDownItems.find(function (item) { return item.entry.hiddenWhen.call(this); }, this);
    return current ? current.entry.text : '';
  },
  dropDownState: function () { return this.config.installed ? 'installed' : 'not-installed'; },
  dropDownEntries: function () {
    var mark = function (value) { return function () { return this.markedFor == value; }; };
    if (this.config.installed) {
      var entries = [{ text: Kw.texts.dropdownLeaveInstalled, action: this.leaveInstalled, hiddenWhen: mark('leave') }];
      if (this.config.uninstallSupport)
        entries.push({ text: Kw.texts.dropdownDelete, action: this.remove, hiddenWhen: mark('remove') });
      else
        entries.push({ text: Kw.texts.uninstallNotSupported, disabled: true, hiddenWhen: mark('remove') });
      return entries;
    }
    return [{ text: Kw.texts.dropdownDoNotInstall, action: this.leaveNotInstalled, hiddenWhen: mark('leave') },
            { text: Kw.texts.dropdownToInstall, action: this.install, hiddenWhen: mark('install') }];
  }
});

Kw.Component.Modern = Class.create(Kw.Component, Kw.Mixin.DropDown, Kw.Mixin.Hint,
  { controls: ['name', 'hint', 'dropDown'] });
Kw.Component.Radio = Class.create(Kw.Component, Kw.Mixin.Hint, Kw.Mixin.RadioButton,
  { controls: ['radioButton', 'name', 'hint'] });
Kw.Component.Old = Class.create(Kw.Component, Kw.Mixin.Hint, Kw.Mixin.StatusIcon, Kw.Mixin.CheckBox,
  { controls: ['checkBox', 'statusIcon', 'name', 'hint'] });
Kw.Component.RadioOld = Class.create(Kw.Component.Radio, Kw.Mixin.StatusIcon,
  { controls: ['radioButton', 'statusIcon', 'name', 'hint'] });
Kw.Component.Update = Class.create(Kw.Component, Kw.Mixin.CheckBox, { controls: ['checkBox', 'name'] });

// --- Groups ---

Kw.ComponentGroup = Class.create(Kw.Node, {
  initialize: function (product, config) {
    this.product = product;
    this.config = config;
    this.members = [];
    this.buildElement('component-group', 'data-group');
    this.list = new Element('ul', { 'class': 'component-group-box' });
    this.element.insert(this.list);
  },

  add: function (member) {
    this.members.push(member);
    this.list.insert(member.element);
  },

  components: function () {
    return this.members.findAll(function (member) { return member instanceof Kw.Component; });
  },

  install: function () { this.members.invoke('install'); },
  remove: function () { this.members.invoke('remove'); },
  leave: function () { this.members.invoke('leave'); },
  leaveInstalled: function () { this.leave(); },
  leaveNotInstalled: function () { this.leave(); },

  selectedCount: function () {
    return this.members.inject(0, function (sum, member) { return sum + member.selectedCount(); });
  },
  total: function () {
    return this.members.inject(0, function (sum, member) { return sum + member.total(); });
  },
  isInstalled: function () { return this.members.any(function (member) { return member.isInstalled(); }); },
  isSelected: function () { return this.total() > 0 && this.selectedCount() == this.total(); },
  hasChanges: function () { return this.members.any(function (member) { return member.hasChanges(); }); },

  show: function () { this.element.show(); },
  hide: function () { this.element.hide(); },

  updateAppearance: function () {
    this.refreshControls();
    this.members.invoke('updateAppearance');
  },

  hintText: function () {
    if (this.total() == 0) return '';
    return new Template(Kw.texts.groupHintSelected).evaluate({ selected: this.selectedCount(), total: this.total() });
  },

  checkBoxChecked: function () { return this.isSelected(); },
  checkBoxDisabled: function () { return false; },

  dropDownInactive: function () { return false; },
  dropDownHeadingText: function () { return ''; },
  dropDownState: function () {
    var selected = this.selectedCount();
    if (selected == 0) return 'not-installed';
    return selected < this.total() ? 'partly-installed' : 'installed';
  },
  dropDownEntries: function () {
    return [{ text: Kw.texts.dropdownDelete, action: this.remove,
              hiddenWhen: function () { return this.selectedCount() == 0; } },
            { text: Kw.texts.dropdownToInstall, action: this.install,
              hiddenWhen: function () { return this.total() > 0 && this.selectedCount() == this.total(); } }];
  }
});

Kw.ComponentGroup.Modern = Class.create(Kw.ComponentGroup, Kw.Mixin.Expand, Kw.Mixin.DropDown, Kw.Mixin.Hint,
  { controls: ['expand', 'name', 'hint', 'dropDown'] });
Kw.ComponentGroup.Old = Class.create(Kw.ComponentGroup, Kw.Mixin.Expand, Kw.Mixin.Hint, Kw.Mixin.CheckBox,
  { controls: ['expand', 'checkBox', 'name', 'hint'] });
Kw.ComponentGroup.Update = Class.create(Kw.ComponentGroup.Old, Kw.Mixin.HideWhenEmpty,
  { controls: ['expand', 'checkBox', 'name', 'hint', 'hideWhenEmpty'] });

// A radio group: exactly one of its components is chosen; its mark goes to
// the chosen component only.
Kw.ComponentRadioGroup = Class.create(Kw.ComponentGroup, {
  add: function ($super, member) {
    $super(member);
    if (!this.chosen && member.isSelected()) this.chosen = member;
  },

  // Installing the group without a chosen component chooses the first one.
  choose: function () {
    if (!this.chosen && this.members.length > 0) this.chosen = this.members[0];
    return this.chosen;
  },
  install: function () { if (this.choose()) this.chosen.install(); },
  remove: function () { if (this.chosen) this.chosen.remove(); },
  leave: function () {
    if (this.chosen && this.product.config.uninstall) this.chosen.leave();
  },

  selectSubcomponent: function (component) {
    var previous = this.chosen;
    this.chosen = component;
    if (previous && previous != component) {
      if (previous.isInstalled()) previous.remove(); else previous.leaveNotInstalled();
    }
    if (component.isInstalled() && component.config.action == 'up2date') component.leaveInstalled();
    else component.install();
  },

  selectedCount: function () { return this.chosen && this.chosen.isSelected() ? 1 : 0; },
  total: function () { return this.members.length > 0 ? 1 : 0; },
  checkBoxChecked: function () { return this.selectedCount() == 1; }
});

Kw.ComponentRadioGroup.Modern = Class.create(Kw.ComponentRadioGroup, Kw.Mixin.DropDown,
  { controls: ['name', 'dropDown'] });
Kw.ComponentRadioGroup.Old = Class.create(Kw.ComponentRadioGroup, Kw.Mixin.CheckBox,
  { controls: ['checkBox', 'name'] });
Kw.ComponentRadioGroup.Update = Class.create(Kw.ComponentRadioGroup.Old, Kw.Mixin.HideWhenEmpty,
  { controls: ['checkBox', 'name', 'hideWhenEmpty'] });

// --- Products ---

Kw.Product = Class.create({
  initialize: function (id, config) {
    this.id = id;
    this.config = config;
    this.componentIds = [];
    this.building = true;
    this.element = new Element('div', { 'class': 'sh-box' });
    this.element.writeAttribute('data-product', id);
    this.heading = new Element('div', { 'class': 'heading' });
    this.heading.insert(new Element('span', { 'class': 'product-name' }).update(config.name));
    this.heading.observe('click', function () { this.body.toggle(); }.bind(this));
    this.body = new Element('ul', { 'class': 'product-components' });
    this.element.insert(this.heading);
    this.element.insert(this.body);
    this.root = { add: function (member) { this.body.insert(member.element); }.bind(this) };
    this.items = [];
    config.components.each(function (item) { this.addItem(this.root, item, false); }, this);
    this.building = false;
    this.refresh();
    Kw.setField(id + '_components', this.componentIds.join(' '));
  },

  addItem: function (parent, item, inRadioGroup) {
    var member;
    if (item.type == 'component') {
      if (updateComponentsMode && !(item.action == 'update' || item.action == 'upgrade' || item.markedForInstall))
        return;
      member = Kw.createComponent(this, inRadioGroup ? parent : null, item, inRadioGroup);
    } else {
      member = Kw.createAnyComponentGroup(this, item);
      item.components.each(function (child) { this.addItem(member, child, item.type == 'radiogroup'); }, this);
    }
    parent.add(member);
    if (parent == this.root) this.items.push(member);
  },

  register: function (component) {
    this.componentIds.push(component.config.id);
  },

  // Every mark change redraws the product: the group counts and hints depend
  // on all members.
  refresh: function () {
    if (!this.building) this.items.invoke('updateAppearance');
  }
});

// A product without removal support: its installed components are hidden
// while the heading's check box is checked.
Kw.Product.WithHidableInstalledComponents = Class.create(Kw.Product, {
  initialize: function ($super, id, config) {
    $super(id, config);
    var box = new Element('input', { type: 'checkbox', 'class': 'chbox' });
    box.checked = true;
    box.observe('click', function (event) {
      event.stopPropagation();
      this.showInstalled(!box.checked);
    }.bind(this));
    var label = new Element('label', { 'class': 'l-dropdowns' });
    label.observe('click', function (event) { event.stopPropagation(); });
    label.insert(box);
    label.insert(Kw.texts.showOnlyInstalled);
    this.heading.insert({ top: label });
    this.showInstalled(false);
  },

  showInstalled: function (visible) {
    var walk = function (member) {
      if (member.members) member.members.each(walk);
      else if (member.isInstalled()) { if (visible) member.show(); else member.hide(); }
    };
    this.items.each(walk);
  }
});

// --- Factories ---

Kw.createProduct = function (id, config) {
  if (updateComponentsMode || config.uninstall) return new Kw.Product(id, config);
  return new Kw.Product.WithHidableInstalledComponents(id, config);
};

Kw.createAnyComponentGroup = function (product, config) {
  var kinds = config.type == 'radiogroup' ? Kw.ComponentRadioGroup : Kw.ComponentGroup;
  if (updateComponentsMode) return new kinds.Update(product, config);
  return product.config.uninstall ? new kinds.Modern(product, config) : new kinds.Old(product, config);
};

Kw.createComponent = function (product, group, config, inRadioGroup) {
  if (updateComponentsMode) return new Kw.Component.Update(product, group, config);
  if (inRadioGroup)
    return product.config.uninstall ? new Kw.Component.Radio(product, group, config)
                                    : new Kw.Component.RadioOld(product, group, config);
  return product.config.uninstall ? new Kw.Component.Modern(product, group, config)
                                  : new Kw.Component.Old(product, group, config);
};

Kw.start = function () {
  try {
    Kw._products = [];
    Object.keys(products).each(function (id) {
      var product = Kw.createProduct(id, products[id]);
      $('products').insert(product.element);
      Kw._products.push(id);
    });
    Kw.setField('product_list', Kw._products.join(' '));
  } catch (e) {
    alert(e);
  }
};

document.observe('dom:loaded', Kw.start);
