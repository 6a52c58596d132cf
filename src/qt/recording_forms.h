#pragma once

// The forms of the dialogs that record the book and choose the queries, each run modally over
// its model until the model says it is closed. `calculator` is the "계산" button's action.

#include <QWidget>

#include <functional>

namespace coinest {
class AccountQueryDialog;
class AssetDialog;
class BooksQueryDialog;
class CardQueryDialog;
class CategoryDialog;
class EntryDialog;
class ReservationDialog;
}  // namespace coinest

namespace coinest::qt {

void execEntryForm(QWidget* parent, EntryDialog& model, int scale, const std::function<void()>& calculator);
void execAssetForm(QWidget* parent, AssetDialog& model, int scale, const std::function<void()>& calculator);
void execCategoryForm(QWidget* parent, CategoryDialog& model, int scale);
void execReservationForm(QWidget* parent, ReservationDialog& model, int scale,
                         const std::function<void()>& calculator);
void execBooksQueryForm(QWidget* parent, BooksQueryDialog& model, int scale);
void execCardQueryForm(QWidget* parent, CardQueryDialog& model, int scale);
void execAccountQueryForm(QWidget* parent, AccountQueryDialog& model, int scale);

}  // namespace coinest::qt
