// Check boxes that show or hide a block of a form.

// Shows the element with the id while the box is checked, hides it otherwise.
function showOnCheck(box, id) {
  var element = document.getElementById(id);
  if (element) element.style.display = box.checked ? "block" : "none";
}

// Hides the element with the id while the box is checked, shows it otherwise.
function hideOnCheck(box, id) {
  var element = document.getElementById(id);
  if (element) element.style.display = box.checked ? "none" : "block";
}
