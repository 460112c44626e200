#pragma once

// A package action of the installation engine (an executed script, a sequence of
// actions). The package model only keeps pointers to actions in a record's
// action list, in order; it never creates, owns, runs or destroys one, so it
// needs no more of the type than its name.
class Action;
